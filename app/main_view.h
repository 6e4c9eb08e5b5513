#pragma once
// What frmMain's behaviour needs of its window. Changing a control from code raises
// no event here: where the window's logic wants a handler to run, it calls it itself.

#include <string>

namespace app {

enum class MainControl {
    cbtnApply,
    cbtnOpen,
    cbtnRemoveBanner,
    cbtnSettings,
    cbtnInfo,
    fraPictureClick,
    lblPreview,
    lblRemovedBanner,
    lblNotFound,
    optFullSizePicture,
    optOpenURL,
    txtURL,
};

class MainView {
public:
    virtual ~MainView() = default;
    // ButtonCaption for the buttons, the caption or text for everything else.
    virtual void SetText(MainControl control, const std::wstring& text) = 0;
    virtual std::wstring Text(MainControl control) = 0;
    virtual void SetVisible(MainControl control, bool visible) = 0;
    // ButtonEnabled for the buttons, the enabled state for everything else.
    virtual void SetEnabled(MainControl control, bool enabled) = 0;
    virtual bool IsSelected(MainControl option) = 0;
    virtual void Select(MainControl option) = 0;
    // Shows the picture in imgPreView; raises an error when the file cannot be read as a picture.
    virtual void LoadPreview(const std::wstring& path) = 0;

    // The window's outer position and size, in twips; the position is the restored one, also
    // while the window is minimised or maximised.
    virtual float Left() = 0;
    virtual float Top() = 0;
    virtual float Width() = 0;
    virtual float Height() = 0;
    virtual void Move(float left, float top) = 0;

    virtual void Close() = 0;
    virtual void ShowSettingsDialog() = 0;  // modal, owned by the main window
    virtual void ShowAboutDialog() = 0;     // modal, owned by the main window
};

}  // namespace app
