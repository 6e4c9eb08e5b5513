#include "app/client_page.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string_view>

#include "errors/frame.h"

namespace app {

namespace {

constexpr std::wstring_view kPageName = L"climage.html";
// A new page or banner file is written in full beside the old one before it takes its place.
constexpr std::wstring_view kNewFileSuffix = L".new";

constexpr std::wstring_view kBeforeLink =
    L"<html><head><title>ICQ</title></head><body border=\"0\" topmargin=\"0\" leftmargin=\"0\" scroll=\"no\">"
    L"<table width=\"100%\" border=\"0\"><tr><a href=\"";
constexpr std::wstring_view kBetweenLinkAndPicture = L"\" target=\"_new\"><img src=\"file://";
constexpr std::wstring_view kAfterPicture = L"\" width=\"120\" height=\"90\" border=\"0\"></a></tr></table></body></html>";

bool StartsWithIgnoringCase(std::wstring_view text, std::wstring_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    return std::equal(lowerPrefix.begin(), lowerPrefix.end(), text.begin(), [](wchar_t prefix, wchar_t c) {
        return prefix == (c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c);
    });
}

// Only these two count as a scheme; anything else, the secure web scheme included, is taken
// for a host name.
bool HasPageScheme(std::wstring_view link) {
    return StartsWithIgnoringCase(link, L"http://") || StartsWithIgnoringCase(link, L"file://");
}

// A quote would end the attribute that holds the value; the client's HTML view reads
// references back, so an ampersand of the value itself must be one too, or "&copy;" in a
// file name would name another file.
std::wstring AttributeValue(std::wstring_view value) {
    std::wstring escaped;
    for (wchar_t c : value) {
        if (c == L'"')
            escaped += L"&quot;";
        else if (c == L'&')
            escaped += L"&amp;";
        else
            escaped += c;
    }
    return escaped;
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The page lies on disk in the ANSI code page, where a character the code page lacks would
// become its default character and point the client at a file or address that does not
// exist. Such a character goes in as a reference to its code point, which the client's HTML
// view reads back as the character itself; a pair of surrogates is one code point.
std::wstring InCodePage(std::wstring_view value, clsFile& file) {
    if (file.CodePageHolds(value)) return std::wstring(value);
    std::wstring text;
    for (std::size_t i = 0; i < value.size();) {
        const bool pair = IsHighSurrogate(value[i]) && i + 1 < value.size() && IsLowSurrogate(value[i + 1]);
        const std::wstring_view character = value.substr(i, pair ? 2 : 1);
        i += character.size();
        if (file.CodePageHolds(character)) {
            text += character;
            continue;
        }
        const auto unit = [&](std::size_t n) { return static_cast<std::uint32_t>(character[n]); };
        const std::uint32_t codePoint = pair ? 0x10000 + ((unit(0) - 0xD800) << 10) + (unit(1) - 0xDC00) : unit(0);
        text += L"&#" + std::to_wstring(codePoint) + L";";
    }
    return text;
}

std::wstring PageText(std::wstring_view link, std::wstring_view picturePath, clsFile& file) {
    std::wstring text(kBeforeLink);
    text += InCodePage(AttributeValue(link), file);
    text += kBetweenLinkAndPicture;
    text += InCodePage(AttributeValue(picturePath), file);
    text += kAfterPicture;
    return text;
}

// Tidying up after a failure goes as far as it can: the failure reported is the first one.
template <class Step>
void IgnoringFailure(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// Writes the text in full beside the file and then puts it in the file's place, so that a
// failed or interrupted rewrite leaves the old file, never none. `at` marks the statements.
void Rewrite(clsFile& file, platform::FileSystem& files, const std::wstring& path, const std::wstring& text,
             const std::function<void(std::int32_t)>& at) {
    const std::wstring newFile = path + std::wstring(kNewFileSuffix);
    // A VirtualStore copy is made anew where the client has none yet.
    const std::optional<std::int32_t> oldAttributes =
        files.FileExists(path) ? std::optional(files.Attributes(path)) : std::nullopt;
    try {
        file.OpenForOutput(newFile, text);
        at(80);
        if (oldAttributes) files.SetAttributes(path, platform::kNormal);  // a read-only file cannot be replaced
        at(90);
        files.Replace(path, newFile);
    } catch (...) {
        // The old file stays as it was found, and nothing half-written is left beside it.
        if (oldAttributes) IgnoringFailure([&] { files.SetAttributes(path, *oldAttributes); });
        IgnoringFailure([&] { files.Delete(newFile); });
        throw;
    }
}

}  // namespace

void clsKalvex3::ChangePicture(std::wstring strPicturePath, std::wstring strICQFolderPath, std::wstring strLink) {
    errors::Frame frame(L"clsKalvex3.ChangePicture(strPicturePath,strICQFolderPath,strLink)", errors::Procedure,
                        [&] { return errors::Args(strPicturePath, strICQFolderPath, strLink); });
    frame.run([&] {
        frame.at(20);
        const std::wstring strPage = strICQFolderPath + std::wstring(kPageName);
        frame.at(30);
        fileSystem_.Attributes(strPage);  // nothing is written for a missing page
        if (!strLink.empty()) {
            frame.at(40);
            if (!HasPageScheme(strLink)) strLink = L"http://" + strLink;
            frame.at(50);
            std::ranges::replace(strLink, L'\\', L'/');
            frame.at(60);
            std::ranges::replace(strPicturePath, L'\\', L'/');
        }
        frame.at(70);
        const std::wstring text = PageText(strLink, strPicturePath, file_);
        clientFiles_.Change(strPage, [&](const std::wstring& page) {
            frame.at(70);
            Rewrite(file_, fileSystem_, page, text, [&](std::int32_t statement) { frame.at(statement); });
            frame.at(100);
            fileSystem_.SetAttributes(page, platform::kHidden);
        });
    });
}

void clsKalvex3::RemoveBanners(std::wstring strBannerPath, std::wstring strRemovedText) {
    clientFiles_.Change(strBannerPath, [&](const std::wstring& banner) {
        // A banner that does not hold the text must not count as removed, so this failure goes on.
        Rewrite(file_, fileSystem_, banner, strRemovedText, [](std::int32_t) {});
        IgnoringFailure([&] { fileSystem_.SetAttributes(banner, platform::kHidden); });
    });
}

bool clsKalvex3::BannerIsRemoved(std::wstring strBannerPath, std::wstring strCLBannerPath) {
    try {
        if ((fileSystem_.Attributes(clientFiles_.ReadPath(strBannerPath)) & platform::kHidden) == 0) return false;
        return (fileSystem_.Attributes(clientFiles_.ReadPath(strCLBannerPath)) & platform::kHidden) != 0;
    } catch (const std::exception&) {
        return true;
    }
}

}  // namespace app
