#include "ScreenDriver.h"

#include "app/ProgramScreens.h"
#include "common/FileDialog.h"
#include "common/MessageBox.h"

using namespace tzolkara;

ScreenDriver::ScreenDriver()
{
    registerProgramScreens();
    MessageBox::recordShownMessages(true);
    MessageBox::clearShown();
    FileDialog::reset();
    m_main = std::make_unique<frmMDI>();
    m_main->resize(1280, 760);
    m_main->show();
}

ScreenDriver::~ScreenDriver()
{
    m_main->close();
    m_main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ProgramScreen *ScreenDriver::open(ScreenId entry)
{
    m_main->OpenProgramScreen(entry);
    return screen(entry);
}

void ScreenDriver::click(QWidget *screen, const char *button)
{
    if (QPushButton *found = child<QPushButton>(screen, button))
        QTest::mouseClick(found, Qt::LeftButton);
}

void ScreenDriver::enter(QWidget *entry, const QString &name, const QString &month, int day,
                         int year)
{
    child<QLineEdit>(entry, "txtName")->setText(name);
    auto *months = child<QComboBox>(entry, "cboMonth");
    months->setCurrentIndex(months->findText(month));
    child<QComboBox>(entry, "cboDate")->setCurrentIndex(day - 1);
    child<QComboBox>(entry, "cboYear")->setCurrentIndex(year - 1900);
}

void ScreenDriver::clickOnTopOf(QWidget *widget)
{
    QWidget *window = widget->window();
    const QPoint point = widget->mapTo(window, widget->rect().center());
    QWidget *target = window->childAt(point);
    if (!target)
        target = window;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, point));
}
