// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calendar/MonthGrid.h"

#include "core/i18n/ShownDates.h"
#include "gui/calendar/DayMarks.h"
#include "gui/common/Fonts.h"
#include "gui/common/ImageList.h"
#include "tables/engine/MayaCalendar.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyledItemDelegate>

#include <array>

namespace tzolkara {

namespace {

constexpr int kWeeks = 6;
constexpr int kCellWidth = 94;
constexpr int kCellHeight = 64;
constexpr int kSignSide = 26;
constexpr int kMarkSide = 11;
constexpr int kMarkGap = 2;

enum Role {
    JulianDayRole = Qt::UserRole + 1,
    InMonthRole,
    TodayRole,
    TzolkinRole,
    MarksRole, // QList<int> of DayMark
};

const QColor kOtherMonthBackground(0xec, 0xe3, 0xcf);
const QColor kSelectedBackground(0x1f, 0x5d, 0x7a);
const QColor kTodayFrame(0xb5, 0x4a, 0x1a);
const QColor kMayaText(0x5a, 0x3b, 0x22);

QString mayaText(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

// The 42 days the grid shows, computed from the first one as they are asked for.
class MonthModel final : public QAbstractTableModel
{
public:
    explicit MonthModel(QObject *parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : kWeeks;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : 7;
    }

    long dayAt(const QModelIndex &index) const
    {
        return m_firstDay + index.row() * 7L + index.column();
    }

    QModelIndex indexOf(long julianDay) const
    {
        const long offset = julianDay - m_firstDay;
        return offset >= 0 && offset < kWeeks * 7L ? index(int(offset / 7), int(offset % 7))
                                                   : QModelIndex();
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return MayaCalendar::isInRange(dayAt(index)) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                     : Qt::NoItemFlags;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const long julianDay = dayAt(index);
        if (!index.isValid() || !MayaCalendar::isInRange(julianDay))
            return {};
        const CalendarDate date = CalendarMonth::dateOf(julianDay, m_system);
        switch (role) {
        case Qt::DisplayRole:
            return date.day;
        case Qt::AccessibleTextRole: {
            const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay);
            const QString shown = MonthGrid::tr("%1: %2, %3")
                                      .arg(weekdayDate(date.year, date.month - 1, date.day,
                                                       CalendarMonth::weekdayOf(julianDay)),
                                           mayaText(MayaCalendar::tzolkinText(day, m_names)),
                                           mayaText(MayaCalendar::haabText(day)));
            const QString marks = DayMarks::listOf(marksAt(index), m_names);
            return marks.isEmpty()
                       ? shown
                       : MonthGrid::tr("%1; %2", "a day, then what the calendar marks on it")
                             .arg(shown, marks);
        }
        case Qt::ToolTipRole: {
            QStringList lines;
            for (const DayMark mark : marksAt(index))
                lines << DayMarks::description(mark, julianDay, m_names);
            return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
        }
        case TzolkinRole:
            return mayaText(MayaCalendar::tzolkinText(MayaCalendar::dayOf(julianDay), m_names));
        case MarksRole: {
            QList<int> marks;
            for (const DayMark mark : marksAt(index))
                marks << static_cast<int>(mark);
            return QVariant::fromValue(marks);
        }
        case JulianDayRole:
            return qlonglong(julianDay);
        case InMonthRole:
            return date.month == m_month;
        case TodayRole:
            return julianDay == m_today;
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || section < 0 || section >= 7)
            return {};
        const int weekday = (m_firstWeekday - 1 + section) % 7 + 1;
        if (role == Qt::DisplayRole)
            return shortWeekdayName(weekday);
        if (role == Qt::AccessibleTextRole)
            return weekdayName(weekday);
        return {};
    }

    void setMonth(long selectedDay, long today, CalendarSystem system, MayaCalendar::DayNames names)
    {
        const CalendarDate selected = CalendarMonth::dateOf(selectedDay, system);
        const long firstOfMonth =
            CalendarMonth::julianDayOf({selected.year, selected.month, 1}, system);
        const int lead = (CalendarMonth::weekdayOf(firstOfMonth) - m_firstWeekday + 7) % 7;
        m_firstDay = firstOfMonth - lead;
        m_month = selected.month;
        m_today = today;
        m_system = system;
        m_names = names;
        // Worked out once a page: the Moon's instants are the costly part.
        if (m_marks.empty() || m_marksFirstDay != m_firstDay) {
            m_marks = DayMarks::marksOfDays(m_firstDay, m_firstDay + kWeeks * 7L - 1);
            m_marksFirstDay = m_firstDay;
        }
        emit dataChanged(index(0, 0), index(kWeeks - 1, 6));
    }

private:
    const std::vector<DayMark> &marksAt(const QModelIndex &index) const
    {
        return m_marks[static_cast<std::size_t>(dayAt(index) - m_marksFirstDay)];
    }

    const int m_firstWeekday = int(QLocale::system().firstDayOfWeek());
    long m_firstDay = 0;
    long m_today = 0;
    int m_month = 1;
    CalendarSystem m_system = CalendarSystem::Gregorian;
    MayaCalendar::DayNames m_names = MayaCalendar::DayNames::Yucatec;
    std::vector<std::vector<DayMark>> m_marks;
    long m_marksFirstDay = 0;
};

namespace {

// Draws a day: its number at the top left, the day sign's picture at the
// top right and the signs of its marks to the picture's left (in a second
// row when the number leaves no room), the Tzolk'in and Haab' days beneath.
class DayDelegate final : public QStyledItemDelegate
{
public:
    explicit DayDelegate(QObject *parent)
        : QStyledItemDelegate(parent), m_numberFont(verdana(9.75, true)),
          m_tzolkinFont(verdana(8.25, true)), m_haabFont(verdana(8.25))
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QRect cell = option.rect;
        const QVariant julianDay = index.data(JulianDayRole);
        if (!julianDay.isValid()) {
            painter->fillRect(cell, option.palette.color(QPalette::Window));
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const bool inMonth = index.data(InMonthRole).toBool();
        painter->fillRect(cell, selected  ? kSelectedBackground
                                : inMonth ? option.palette.color(QPalette::Base)
                                          : kOtherMonthBackground);
        if (index.data(TodayRole).toBool()) {
            painter->setPen(QPen(kTodayFrame, 3));
            painter->drawRect(cell.adjusted(2, 2, -2, -2));
        }

        const MayaCalendar::Day day = MayaCalendar::dayOf(julianDay.toLongLong());
        const QColor text = selected ? QColor(Qt::white) : option.palette.color(QPalette::Text);
        const QRect inner = cell.adjusted(6, 4, -6, -4);
        painter->setPen(inMonth || selected ? text : QColor(0x8a, 0x7a, 0x66));
        painter->setFont(m_numberFont);
        const QString number = index.data().toString();
        painter->drawText(inner, Qt::AlignLeft | Qt::AlignTop, number);
        const QRect picture(inner.right() - kSignSide + 1, inner.top(), kSignSide, kSignSide);
        painter->drawPixmap(picture, signPicture(day.sign, painter->device()->devicePixelRatioF()));
        const int numberRight = inner.left() + painter->fontMetrics().horizontalAdvance(number);
        int right = picture.left() - kMarkGap;
        int top = inner.top() + 2;
        for (const int mark : index.data(MarksRole).value<QList<int>>()) {
            if (right - kMarkSide < numberRight + kMarkGap) {
                right = picture.left() - kMarkGap;
                top += kMarkSide + kMarkGap;
            }
            DayMarks::paint(*painter, DayMark(mark),
                            QRectF(right - kMarkSide, top, kMarkSide, kMarkSide), selected);
            right -= kMarkSide + kMarkGap;
        }
        painter->setPen(selected ? text : kMayaText);
        painter->setFont(m_tzolkinFont);
        const int lineHeight = inner.height() / 3;
        const QRect lower(inner.left(), inner.bottom() - 2 * lineHeight, inner.width(),
                          2 * lineHeight);
        painter->drawText(lower.adjusted(0, 0, 0, -lineHeight), Qt::AlignLeft | Qt::AlignBottom,
                          index.data(TzolkinRole).toString());
        painter->setFont(m_haabFont);
        painter->drawText(lower.adjusted(0, lineHeight, 0, 0), Qt::AlignLeft | Qt::AlignBottom,
                          mayaText(MayaCalendar::haabText(day)));
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {kCellWidth, kCellHeight};
    }

private:
    // Drawn once for each sign at the screen's pixel density, so sharp at
    // 1x and 2x alike.
    const QPixmap &signPicture(int sign, qreal devicePixelRatio) const
    {
        if (devicePixelRatio != m_pictureRatio) {
            m_signs = {};
            m_pictureRatio = devicePixelRatio;
        }
        QPixmap &picture = m_signs[std::size_t(sign)];
        if (picture.isNull()) {
            picture = svgPixmap(
                QStringLiteral(":/artwork/signs/%1.svg").arg(sign, 2, 10, QLatin1Char('0')),
                QSize(kSignSide, kSignSide), devicePixelRatio);
        }
        return picture;
    }

    QFont m_numberFont;
    QFont m_tzolkinFont;
    QFont m_haabFont;
    mutable std::array<QPixmap, 21> m_signs;
    mutable qreal m_pictureRatio = 0;
};

} // namespace

MonthGrid::MonthGrid(QWidget *parent) : QTableView(parent), m_model(new MonthModel(this))
{
    setObjectName(QStringLiteral("grdMonth"));
    setModel(m_model);
    setItemDelegate(new DayDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid; the arrows move within it.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kCellHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kCellWidth);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFont(verdana(8.25, true));
    setGridStyle(Qt::SolidLine);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize MonthGrid::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {7 * kCellWidth + frame + 1,
            horizontalHeader()->sizeHint().height() + kWeeks * kCellHeight + frame + 1};
}

void MonthGrid::showMonth(long selectedDay, long today, CalendarSystem system,
                          MayaCalendar::DayNames names)
{
    m_selectedDay = selectedDay;
    m_showing = true;
    m_model->setMonth(selectedDay, today, system, names);
    const QModelIndex index = m_model->indexOf(selectedDay);
    setCurrentIndex(index);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    m_showing = false;
}

void MonthGrid::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const int forward = layoutDirection() == Qt::RightToLeft ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (plain) {
            const int key = event->key();
            emit moveByDays(key == Qt::Key_Left    ? -forward
                            : key == Qt::Key_Right ? forward
                            : key == Qt::Key_Up    ? -7
                                                   : 7);
        }
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (plain || control) {
            const int months = control ? 12 : 1;
            emit moveByMonths(event->key() == Qt::Key_PageUp ? -months : months);
        }
        break;
    case Qt::Key_Home:
        if (plain)
            emit todayAsked();
        break;
    case Qt::Key_End:
        break;
    default:
        // Tab, Space and the rest as the table takes them.
        QTableView::keyPressEvent(event);
        return;
    }
    // The table's own moves (End, Ctrl+arrows) would leave the screen's
    // selection behind.
    event->accept();
}

void MonthGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!m_showing && current.isValid() && m_model->flags(current) != Qt::NoItemFlags &&
        m_model->dayAt(current) != m_selectedDay)
        emit dayChosen(m_model->dayAt(current));
}

} // namespace tzolkara
