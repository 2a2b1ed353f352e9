#pragma once

#include <QMdiSubWindow>

#include <array>
#include <functional>

class QMenuBar;

namespace tzolkara {

// The single-instance screens that open inside the main window.
enum class ScreenId {
    AstrologyMain,
    AstrologyResult,
    AstrologySave,
    TarotMain,
    TarotResult,
    NumerologyMain,
    NumerologyResult,
    NumerologySave,
};

// The order in which the main window closes them.
inline constexpr std::array<ScreenId, 8> kAllScreens = {
    ScreenId::AstrologyMain,    ScreenId::AstrologyResult, ScreenId::AstrologySave,
    ScreenId::TarotMain,        ScreenId::TarotResult,     ScreenId::NumerologyMain,
    ScreenId::NumerologyResult, ScreenId::NumerologySave,
};

// A program screen: a child window of the main window with its own menu bar,
// created when first shown and destroyed when closed.
class ProgramScreen : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit ProgramScreen(ScreenId id, QWidget *parent = nullptr);

    ScreenId id() const { return m_id; }
    // True once the screen has accepted its close; it is deleted soon after.
    bool isClosed() const { return m_closed; }

    // Runs once, right after the main window created the screen.
    virtual void Form_Load() {}

    // Sizes the window to its content, wrapped texts included.
    void fitToContent();

protected:
    // Runs when the screen closes (close box, Exit, or the main window
    // closing every screen).
    virtual void Form_Unload() {}

    // `content` fills the window below `menuBar` (which may be null), in the
    // screens' colours.
    void setContent(QWidget *content, QMenuBar *menuBar = nullptr);

    void closeEvent(QCloseEvent *event) override;

private:
    ScreenId m_id;
    bool m_closed = false;
};

// How each screen is made. Each kind of screen registers itself once, at
// start-up; tests register screens of their own.
class ScreenRegistry final
{
public:
    using Factory = std::function<ProgramScreen *()>;

    static void setFactory(ScreenId id, Factory factory);
    static ProgramScreen *create(ScreenId id); // null when nothing is registered
    static void clear();
};

} // namespace tzolkara
