#pragma once

class QString;

namespace koratune {

class Preview;

// The tool windows as the other windows reach them: the main window opens them.
class ToolWindows {
public:
    virtual ~ToolWindows() = default;

    // The preview window, opened without taking the focus if it was closed.
    virtual Preview* loadPreview() = 0;
    // Shows the work image as it now is in the preview, as Open does.
    virtual void showWorkImage() = 0;
    // The frames per second the console plays at (its start rate while it is
    // closed), the rate an exported sheet's metadata states.
    virtual int playbackFrameRate() const = 0;
    // Puts a line on the main window's status bar.
    virtual void showStatus(const QString& text) = 0;
};

} // namespace koratune
