#pragma once
// The client's picture page as Kalvex3 writes it: `href` as the link holds it, `picture`
// the path after "file://".

#include <string>

namespace testing_support {

inline std::string ClientPage(const std::string& href, const std::string& picture) {
    return "<html><head><title>ICQ</title></head><body border=\"0\" topmargin=\"0\" leftmargin=\"0\" scroll=\"no\">"
           "<table width=\"100%\" border=\"0\"><tr><a href=\"" + href + "\" target=\"_new\"><img src=\"file://" +
           picture + "\" width=\"120\" height=\"90\" border=\"0\"></a></tr></table></body></html>";
}

}  // namespace testing_support
