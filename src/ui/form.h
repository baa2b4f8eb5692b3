#pragma once

#include "ui/colour.h"
#include "ui/context.h"

#include <QWidget>

#include <string>
#include <string_view>

namespace ui {

// A window of the game: its caption is its title, exactly; its client area is sized in
// twips; its load handler runs once, the first time it is shown.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(Context& context, const char* name, Qt::WindowFlags flags, QWidget* parent = nullptr);

    std::string caption() const;
    void setCaption(std::string_view caption);

    Colour backColour() const { return back_; }
    void setBackColour(Colour colour);

    void setClientSize(int widthTwips, int heightTwips, bool fixed);

    // Runs the load handler if the window has not been loaded yet, then shows it.
    void showForm();
    bool loaded() const { return loaded_; }
    virtual void Form_Load() {}

protected:
    Context& ctx;

private:
    Colour back_ = kButtonFace;
    bool loaded_ = false;
};

// The flags of a window that cannot be resized and has only a close box.
Qt::WindowFlags fixedDialogFrame();

}  // namespace ui
