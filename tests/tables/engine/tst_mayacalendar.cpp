// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/engine/SignTable.h"
#include "tables/engine/KinTables.h"
#include "tables/engine/MayaCalendar.h"
#include "tables/engine/SignNames.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>
#include <set>

using namespace tzolkara;
using namespace tzolkara::MayaCalendar;

namespace {

long daysOf(const LongCount &c)
{
    return c.baktun * 144000L + c.katun * 7200L + c.tun * 360L + c.uinal * 20L + c.kin;
}

bool isDaySpec(const Day &day, const DaySpec &spec)
{
    const bool tzolkin = spec.number == 0 || (day.number == spec.number && day.sign == spec.sign);
    const bool haab =
        spec.haabDay < 0 || (day.haabDay == spec.haabDay && day.haabMonth == spec.haabMonth);
    return tzolkin && haab;
}

// The first day from `julianDay` on, a day at a time in direction `step`,
// that is `spec`: what nextDay() and previousDay() find by arithmetic.
long walkTo(const DaySpec &spec, long julianDay, int step, long correlation)
{
    while (!isDaySpec(dayOf(julianDay, correlation), spec))
        julianDay += step;
    return julianDay;
}

// A Tzolk'in day, a Haab' day or a Calendar Round that can occur.
DaySpec randomDaySpec(QRandomGenerator &random)
{
    const int kind = random.bounded(3); // 0 Tzolk'in, 1 Haab', 2 both
    for (;;) {
        DaySpec spec;
        if (kind != 1) {
            spec.number = random.bounded(1, 14);
            spec.sign = random.bounded(1, 21);
        }
        if (kind != 0) {
            spec.haabMonth = random.bounded(1, 20);
            spec.haabDay = random.bounded(spec.haabMonth == 19 ? 5 : 20);
        }
        if (canOccur(spec))
            return spec;
    }
}

// The ways of writing each sign, as the grammars and the older literature
// print them; the readings' labels add theirs (SignNames.h).
struct Spelling
{
    const char *yucatec;
    const char *kiche;
    const char *colonial;
};

constexpr Spelling kSpellings[20] = {
    {"Imix", "Imox", "Imix"},
    {"Ik'", "Iq'", "Ik"},
    {"Ak'bal", "Aq'ab'al", "Akbal"},
    {"K'an", "K'at", "Kan"},
    {"Chikchan", "Kan", "Chicchan"},
    {"Kimi", "Kame", "Cimi"},
    {"Manik'", "Kej", "Manik"},
    {"Lamat", "Q'anil", "Lamat"},
    {"Muluk", "Toj", "Muluc"},
    {"Ok", "Tz'i'", "Oc"},
    {"Chuwen", "B'atz'", "Chuen"},
    {"Eb", "E", "Eb"},
    {"Ben", "Aj", "Ben"},
    {"Ix", "I'x", "Ix"},
    {"Men", "Tz'ikin", "Men"},
    {"Kib", "Ajmaq", "Cib"},
    {"Kaban", "No'j", "Caban"},
    {"Etz'nab", "Tijax", "Etznab"},
    {"Kawak", "Kawoq", "Cauac"},
    {"Ajaw", "Ajpu", "Ahau"},
};

// A word of a sign and the set of names it goes with.
struct SignWord
{
    std::string word;
    int sign;
    DayNames names;
};

std::vector<SignWord> everySignWord()
{
    std::vector<SignWord> words;
    for (int sign = 1; sign <= 20; ++sign) {
        const Spelling &s = kSpellings[sign - 1];
        const QString label = QString::fromLatin1(kSignNames[positionOfDaySign(sign)].Label);
        const QString kicheWord = label.section(QStringLiteral(" - "), 0, 0);
        const QString yucatecWord = label.section(QLatin1Char('('), 1).chopped(1);
        words.push_back({s.yucatec, sign, DayNames::Yucatec});
        words.push_back({s.colonial, sign, DayNames::Yucatec});
        words.push_back({yucatecWord.toStdString(), sign, DayNames::Yucatec});
        words.push_back({s.kiche, sign, DayNames::Kiche});
        words.push_back({kicheWord.toStdString(), sign, DayNames::Kiche});
    }
    // As some grammars write the 16th.
    words.push_back({"Kib'", 16, DayNames::Yucatec});
    return words;
}

std::string lowered(std::string word, bool keepApostrophes)
{
    std::string out;
    for (const char c : word) {
        if (c != '\'' || keepApostrophes)
            out += char(std::tolower(uchar(c)));
    }
    return out;
}

// The sign a word should be read as: the one sign it names as written, or
// when it names two once its apostrophes are set aside, that of `names`.
int expectedSign(const std::vector<SignWord> &words, const std::string &word, bool keepApostrophes,
                 DayNames names)
{
    std::set<int> asWritten;
    for (const SignWord &known : words) {
        if (lowered(known.word, true) == lowered(word, keepApostrophes))
            asWritten.insert(known.sign);
    }
    if (asWritten.size() == 1)
        return *asWritten.begin();
    int other = 0;
    for (const SignWord &known : words) {
        if (lowered(known.word, false) == lowered(word, false)) {
            if (known.names == names)
                return known.sign;
            other = known.sign;
        }
    }
    return other;
}

// A word written in another way, and whether it keeps its apostrophes.
struct Variant
{
    QString text;
    bool keepsApostrophes;
};

// The first (or last) vowel of `word` with an accent from `accented`, which
// holds a, e, i, o and u so accented.
QString withAccent(QString word, const QString &accented, bool last)
{
    const QString vowels = QStringLiteral("aeiou");
    for (qsizetype i = 0; i < word.size(); ++i) {
        const qsizetype at = last ? word.size() - 1 - i : i;
        const qsizetype vowel = vowels.indexOf(word[at].toLower());
        if (vowel >= 0) {
            const QChar mark = accented[vowel];
            word[at] = word[at].isUpper() ? mark.toUpper() : mark;
            return word;
        }
    }
    return word;
}

std::vector<Variant> variantsOf(const std::string &written)
{
    const QString word = QString::fromStdString(written);
    QString bare = word;
    bare.remove(QLatin1Char('\''));
    QString typographers = word;
    typographers.replace(QLatin1Char('\''), QChar(0x2019));
    QString modifier = word;
    modifier.replace(QLatin1Char('\''), QChar(0x02bc));
    return {
        {word, true},
        {word.toUpper(), true},
        {word.toLower(), true},
        {typographers, true},
        {modifier.toUpper(), true},
        {bare, false},
        {bare.toUpper(), false},
        {withAccent(word, QStringLiteral("áéíóú"), false), true},
        {withAccent(word.toUpper(), QStringLiteral("áéíóú"), false), true},
        {withAccent(typographers.toLower(), QStringLiteral("àèìòù"), true), true},
        {withAccent(bare, QStringLiteral("äëïöü"), true), false},
        {withAccent(bare, QStringLiteral("âêîôû"), false), false},
    };
}

const char *setName(DayNames names)
{
    return names == DayNames::Kiche ? "K'iche'" : "Yucatec";
}

// What the calendar marks, as the day's own places say it.
bool isObservanceByItsPlaces(const Day &day, Observance observance)
{
    const LongCount &c = day.longCount;
    switch (observance) {
    case Observance::EightBatz:
        return day.number == 8 && day.sign == 11;
    case Observance::Wayeb:
        return day.haabMonth == 19;
    case Observance::NewYear:
        return day.haabMonth == 1 && day.haabDay == 0;
    case Observance::TrecenaStart:
        return day.number == 1;
    case Observance::TunEnding:
        return c.kin == 0 && c.uinal == 0;
    case Observance::KatunEnding:
        return c.kin == 0 && c.uinal == 0 && c.tun == 0;
    case Observance::BaktunEnding:
        return c.kin == 0 && c.uinal == 0 && c.tun == 0 && c.katun == 0;
    }
    return false;
}

} // namespace

class TestMayaCalendar : public QObject
{
    Q_OBJECT

private slots:
    void carvedDates_giveTheirCalendarRound_data();
    void carvedDates_giveTheirCalendarRound();
    void publishedGregorianEquivalents();
    void periodEndings_fallOnTheNinthLord();
    void everyBirthDate_agreesWithTheKinEngine();
    void julianDay_roundTripsOverTheWholeRange();
    void otherCorrelations_shiftEveryCount();
    void julianCalendar_walksTheWholeRangeDayByDay();
    void julianCalendarDates_data();
    void julianCalendarDates();
    void longCount_readsBackTheDayItCameFrom();
    void longCounts_areReadOrRefused_data();
    void longCounts_areReadOrRefused();
    void julianDayOfLongCount_keepsToTheRange_data();
    void julianDayOfLongCount_keepsToTheRange();
    void nextAndPreviousDay_agreeWithADayByDayWalk();
    void daySpecs_areReadOrRefused_data();
    void daySpecs_areReadOrRefused();
    void impossibleDays_areNeverFound_data();
    void impossibleDays_areNeverFound();
    void everyTzolkinDay_readsBackInEverySpellingAndBothSets();
    void words_areReadAsTheChosenSetResolvesThem_data();
    void words_areReadAsTheChosenSetResolvesThem();
    void yearBearer_agreesWithAWalkOverEveryHaabYear();
    void observances_nextAndPreviousAgreeWithADayByDayWalk_data();
    void observances_nextAndPreviousAgreeWithADayByDayWalk();
    void periodEndings_reportTheLargest_data();
    void periodEndings_reportTheLargest();
};

// Calendar Rounds as carved, read in S. Martin and N. Grube, "Chronicle of
// the Maya Kings and Queens" (2000), and M. D. Coe and M. Van Stone,
// "Reading the Maya Glyphs" (2001).
void TestMayaCalendar::carvedDates_giveTheirCalendarRound_data()
{
    QTest::addColumn<QString>("longCount");
    QTest::addColumn<QString>("calendarRound");
    QTest::newRow("creation, Quirigua Stela C") << "0.0.0.0.0"
                                                << "4 Ajaw 8 Kumk'u";
    QTest::newRow("Tikal Stela 29") << "8.12.14.8.15"
                                    << "13 Men 3 Sip";
    QTest::newRow("Leiden Plaque") << "8.14.3.1.12"
                                   << "1 Eb 0 Yaxk'in";
    QTest::newRow("Palenque, Pakal's accession") << "9.9.2.4.8"
                                                 << "5 Lamat 1 Mol";
    QTest::newRow("Palenque, Pakal's death") << "9.12.11.5.18"
                                             << "6 Etz'nab 11 Yax";
    QTest::newRow("end of the 13th baktun") << "13.0.0.0.0"
                                            << "4 Ajaw 3 K'ank'in";
}

void TestMayaCalendar::carvedDates_giveTheirCalendarRound()
{
    QFETCH(QString, longCount);
    QFETCH(QString, calendarRound);
    const QStringList digits = longCount.split(QLatin1Char('.'));
    const LongCount count{digits[0].toInt(), digits[1].toInt(), digits[2].toInt(),
                          digits[3].toInt(), digits[4].toInt()};
    const Day day = dayOf(daysOf(count) + kDefaultCorrelation);
    QCOMPARE(QString::fromStdString(calendarRoundText(day)), calendarRound);
    QCOMPARE(QString::fromStdString(longCountText(day.longCount)), longCount);
}

void TestMayaCalendar::publishedGregorianEquivalents()
{
    // 21 December 2012 closed the 13th baktun; the creation day was 11 August
    // 3114 BCE (astronomical year -3113), proleptic Gregorian.
    const Day end = dayOf(julianDayOf(2012, 12, 21));
    QCOMPARE(QString::fromStdString(longCountText(end.longCount)), QStringLiteral("13.0.0.0.0"));
    QCOMPARE(end.sign, 20);
    QCOMPARE(end.haabMonth, 14);
    QCOMPARE(end.lordOfTheNight, 9);
    QCOMPARE(end.trecenaSign, 17); // 1 Kaban opened the run that 4 Ajaw closes
    const GregorianDate creation = gregorianDateOf(kDefaultCorrelation);
    QCOMPARE(creation.year, -3113);
    QCOMPARE(creation.month, 8);
    QCOMPARE(creation.day, 11);
    // Astronomers' fixed points: J2000.0, and the first day of the Gregorian calendar.
    QCOMPARE(julianDayOf(2000, 1, 1), 2451545L);
    QCOMPARE(julianDayOf(1582, 10, 15), 2299161L);
    // Tikal Stela 29 and the Leiden Plaque are of 292 and 320 CE.
    QCOMPARE(gregorianDateOf(daysOf({8, 12, 14, 8, 15}) + kDefaultCorrelation).year, 292);
    QCOMPARE(gregorianDateOf(daysOf({8, 14, 3, 1, 12}) + kDefaultCorrelation).year, 320);
}

void TestMayaCalendar::periodEndings_fallOnTheNinthLord()
{
    // A tun is 360 days, a multiple of nine: every tun ending, like the
    // creation, falls on G9.
    for (long tuns = 0; tuns < 13 * 20 * 20; tuns += 7)
        QCOMPARE(dayOf(tuns * 360 + kDefaultCorrelation).lordOfTheNight, 9);
}

void TestMayaCalendar::everyBirthDate_agreesWithTheKinEngine()
{
    for (long jd = julianDayOf(kFirstBirthYear, 1, 1); jd <= julianDayOf(kLastTableYear, 12, 31);
         ++jd) {
        const GregorianDate date = gregorianDateOf(jd);
        const KinEntry kin = kinEntry(kinNumberOf(date.year, date.month - 1, date.day));
        const Day day = dayOf(jd);
        if (day.number != kin.dayNumber || day.sign != daySignOfPosition(kin.signPosition))
            QFAIL(qPrintable(
                QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day)));
    }
}

void TestMayaCalendar::julianDay_roundTripsOverTheWholeRange()
{
    const long first = julianDayOf(kFirstYear, 1, 1);
    const long last = julianDayOf(kLastYear, 12, 31);
    QRandomGenerator random(2012);
    for (int i = 0; i < 20000; ++i) {
        const long jd = first + static_cast<long>(random.bounded(quint32(last - first + 1)));
        const GregorianDate date = gregorianDateOf(jd);
        QCOMPARE(julianDayOf(date.year, date.month, date.day), jd);
    }
    QCOMPARE(gregorianDateOf(first).year, 1);
    QCOMPARE(gregorianDateOf(last).day, 31);
}

void TestMayaCalendar::otherCorrelations_shiftEveryCount()
{
    const long jd = julianDayOf(2012, 12, 21);
    for (long correlation : {584285L, 584286L}) {
        QVERIFY(isSupportedCorrelation(correlation));
        const Day shifted = dayOf(jd + (correlation - kDefaultCorrelation), correlation);
        QCOMPARE(QString::fromStdString(calendarRoundText(shifted)),
                 QStringLiteral("4 Ajaw 3 K'ank'in"));
    }
    QVERIFY(!isSupportedCorrelation(584284));
}

void TestMayaCalendar::julianCalendar_walksTheWholeRangeDayByDay()
{
    GregorianDate previous = julianCalendarDateOf(firstJulianDay() - 1);
    for (long jd = firstJulianDay(); jd <= lastJulianDay(); ++jd) {
        const GregorianDate date = julianCalendarDateOf(jd);
        const bool nextInMonth = date.year == previous.year && date.month == previous.month &&
                                 date.day == previous.day + 1;
        // A new month only after the last day of the one before.
        const bool newMonth =
            date.day == 1 &&
            (date.month == previous.month + 1
                 ? date.year == previous.year
                 : date.month == 1 && date.year == previous.year + 1) &&
            !isJulianCalendarDate(previous.year, previous.month, previous.day + 1);
        if (!isJulianCalendarDate(date.year, date.month, date.day) ||
            julianDayOfJulianDate(date.year, date.month, date.day) != jd ||
            !(nextInMonth || newMonth))
            QFAIL(qPrintable(QStringLiteral("Julian day %1").arg(jd)));
        previous = date;
    }
}

void TestMayaCalendar::julianCalendarDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<long>("julianDay"); // 0 for a date refused
    // The Julian calendar's last day before the Gregorian's first, 1582-10-15.
    QTest::newRow("1582-10-04") << 1582 << 10 << 4 << 2299160L;
    QTest::newRow("first of the range") << 1 << 1 << 3 << 1721426L;
    QTest::newRow("last of the range") << 3999 << 12 << 3 << 3182029L;
    QTest::newRow("1900-02-29, a Julian leap day") << 1900 << 2 << 29 << 2415092L;
    QTest::newRow("0001-01-02, Gregorian year 0") << 1 << 1 << 2 << 0L;
    QTest::newRow("3999-12-04, Gregorian 4000") << 3999 << 12 << 4 << 0L;
    QTest::newRow("1900-02-30") << 1900 << 2 << 30 << 0L;
    QTest::newRow("1901-02-29") << 1901 << 2 << 29 << 0L;
}

void TestMayaCalendar::julianCalendarDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(long, julianDay);
    QCOMPARE(isJulianCalendarDate(year, month, day), julianDay != 0);
    if (julianDay != 0)
        QCOMPARE(julianDayOfJulianDate(year, month, day), julianDay);
}

void TestMayaCalendar::longCount_readsBackTheDayItCameFrom()
{
    QRandomGenerator random(683);
    const auto span = quint32(lastJulianDay() - firstJulianDay() + 1);
    for (const long correlation : {584283L, 584285L, 584286L}) {
        for (int i = 0; i < 1000; ++i) {
            const long jd = firstJulianDay() + long(random.bounded(span));
            const std::string text = longCountText(dayOf(jd, correlation).longCount);
            const std::optional<LongCount> count = parseLongCount(text);
            if (!count || julianDayOfLongCount(*count, correlation) != jd)
                QFAIL(text.c_str());
        }
    }
}

void TestMayaCalendar::longCounts_areReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // as longCountText() writes it, empty when refused
    QTest::newRow("Pakal's death") << "9.12.11.5.18"
                                   << "9.12.11.5.18";
    QTest::newRow("two-digit places") << "09.12.11.05.18"
                                      << "9.12.11.5.18";
    QTest::newRow("baktun 19") << "19.19.19.17.19"
                               << "19.19.19.17.19";
    QTest::newRow("four places") << "9.12.11.5" << QString();
    QTest::newRow("six places") << "9.12.11.5.18.1" << QString();
    QTest::newRow("uinal 18") << "9.12.11.18.0" << QString();
    QTest::newRow("katun 20") << "9.20.0.0.0" << QString();
    QTest::newRow("baktun 20, read for the range to refuse") << "20.0.0.0.0"
                                                             << "20.0.0.0.0";
    QTest::newRow("baktun of three digits") << "100.0.0.0.0" << QString();
    QTest::newRow("three-digit place") << "9.12.11.5.018" << QString();
    QTest::newRow("blank before") << " 9.12.11.5.18" << QString();
    QTest::newRow("blank after") << "9.12.11.5.18 " << QString();
    QTest::newRow("empty place") << "9..11.5.18" << QString();
    QTest::newRow("sign") << "9.12.11.5.+8" << QString();
    QTest::newRow("dashes") << "9-12-11-5-18" << QString();
    QTest::newRow("empty") << "" << QString();
}

void TestMayaCalendar::longCounts_areReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const std::optional<LongCount> count = parseLongCount(text.toStdString());
    QCOMPARE(count ? QString::fromStdString(longCountText(*count)) : QString(), read);
}

void TestMayaCalendar::julianDayOfLongCount_keepsToTheRange_data()
{
    QTest::addColumn<LongCount>("count");
    QTest::addColumn<long>("julianDay"); // 0 outside the range
    QTest::newRow("0001-01-01") << LongCount{7, 17, 18, 13, 3} << 1721426L;
    QTest::newRow("the day before") << LongCount{7, 17, 18, 13, 2} << 0L;
    QTest::newRow("6.19.19.17.19") << LongCount{6, 19, 19, 17, 19} << 0L;
    QTest::newRow("3999-12-31") << LongCount{18, 0, 15, 17, 6} << 3182029L;
    QTest::newRow("the day after") << LongCount{18, 0, 15, 17, 7} << 0L;
    QTest::newRow("19.0.0.0.0") << LongCount{19, 0, 0, 0, 0} << 0L;
}

void TestMayaCalendar::julianDayOfLongCount_keepsToTheRange()
{
    QFETCH(LongCount, count);
    QFETCH(long, julianDay);
    QCOMPARE(julianDayOfLongCount(count).value_or(0), julianDay);
}

void TestMayaCalendar::nextAndPreviousDay_agreeWithADayByDayWalk()
{
    QRandomGenerator random(2032);
    const auto span = quint32(lastJulianDay() - firstJulianDay() + 1);
    const long correlations[] = {584283, 584285, 584286};
    for (int i = 0; i < 300; ++i) {
        const DaySpec spec = randomDaySpec(random);
        const long from = firstJulianDay() + long(random.bounded(span));
        const long correlation = correlations[i % 3];
        const long after = walkTo(spec, from + 1, +1, correlation);
        const long before = walkTo(spec, from - 1, -1, correlation);
        if (nextDay(spec, from, correlation) != after ||
            previousDay(spec, from, correlation) != before)
            QFAIL(qPrintable(QStringLiteral("%1 from Julian day %2, correlation %3")
                                 .arg(QString::fromStdString(daySpecText(spec)))
                                 .arg(from)
                                 .arg(correlation)));
    }
}

void TestMayaCalendar::daySpecs_areReadOrRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // as daySpecText() writes it, empty when refused
    QTest::newRow("Tzolk'in day") << "4 Ajaw"
                                  << "4 Ajaw";
    QTest::newRow("Haab' day, typographer's apostrophe") << "8 Kumk\u2019u"
                                                         << "8 Kumk'u";
    QTest::newRow("Calendar Round, upper case, no apostrophe") << "4 AJAW 8 KUMKU"
                                                               << "4 Ajaw 8 Kumk'u";
    QTest::newRow("blanks and a tab") << "  13  Etz'nab\t"
                                      << "13 Etz'nab";
    QTest::newRow("5 Wayeb', read; canOccur() refuses it") << "5 Wayeb'"
                                                           << "5 Wayeb'";
    QTest::newRow("14 Ajaw") << "14 Ajaw" << QString();
    QTest::newRow("0 Ajaw") << "0 Ajaw" << QString();
    QTest::newRow("20 Pop") << "20 Pop" << QString();
    QTest::newRow("sign alone") << "Ajaw" << QString();
    QTest::newRow("number without month") << "4 Ajaw 8" << QString();
    QTest::newRow("Haab' day first") << "4 Kumk'u 8 Ajaw" << QString();
    QTest::newRow("a word more") << "4 Ajaw 8 Kumk'u 1" << QString();
    QTest::newRow("misspelt") << "4 Ajau" << QString();
    QTest::newRow("K'iche' Calendar Round") << "8 B'atz' 3 Sip"
                                            << "8 Chuwen 3 Sip";
    QTest::newRow("colonial sign, Academy month") << "4 Ahau 8 Kumku"
                                                  << "4 Ajaw 8 Kumk'u";
    QTest::newRow("label word, modifier apostrophe month") << "9 TIJASH 11 Chʼen"
                                                           << "9 Etz'nab 11 Ch'en";
    QTest::newRow("accented month") << "3 Yáx"
                                    << "3 Yax";
    QTest::newRow("empty") << "" << QString();
}

void TestMayaCalendar::daySpecs_areReadOrRefused()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const std::optional<DaySpec> spec = parseDaySpec(text.toStdString());
    QCOMPARE(spec ? QString::fromStdString(daySpecText(*spec)) : QString(), read);
}

void TestMayaCalendar::impossibleDays_areNeverFound_data()
{
    // A day sign meets only every fifth Haab' day: Ajaw 3, 8, 13 and 18,
    // Imix 4, 9, 14 and 19, Ik' 0, 5, 10 and 15.
    QTest::addColumn<QString>("text");
    QTest::newRow("4 Ajaw 9 Kumk'u") << "4 Ajaw 9 Kumk'u";
    QTest::newRow("1 Imix 0 Pop") << "1 Imix 0 Pop";
    QTest::newRow("1 Ik' 1 Pop") << "1 Ik' 1 Pop";
    QTest::newRow("13 Ajaw 0 Wayeb'") << "13 Ajaw 0 Wayeb'";
    QTest::newRow("5 Wayeb'") << "5 Wayeb'";
    QTest::newRow("3 Kawak 5 Wayeb'") << "3 Kawak 5 Wayeb'";
}

void TestMayaCalendar::impossibleDays_areNeverFound()
{
    QFETCH(QString, text);
    const std::optional<DaySpec> spec = parseDaySpec(text.toStdString());
    QVERIFY(spec);
    QVERIFY(!canOccur(*spec));
    const long today = julianDayOf(2026, 12, 7);
    QVERIFY(!nextDay(*spec, today));
    QVERIFY(!previousDay(*spec, today));
}

void TestMayaCalendar::everyTzolkinDay_readsBackInEverySpellingAndBothSets()
{
    const std::vector<SignWord> words = everySignWord();
    for (const DayNames names : {DayNames::Yucatec, DayNames::Kiche}) {
        for (int sign = 1; sign <= 20; ++sign) {
            const Spelling &s = kSpellings[sign - 1];
            QCOMPARE(signName(sign, names), names == DayNames::Kiche ? s.kiche : s.yucatec);
        }
        // 260 days in a row: each Tzolk'in day once, written and read back.
        const long first = julianDayOf(2026, 12, 7);
        for (long jd = first; jd < first + 260; ++jd) {
            const Day day = dayOf(jd);
            const std::optional<DaySpec> tzolkin = parseDaySpec(tzolkinText(day, names), names);
            const std::optional<DaySpec> round = parseDaySpec(calendarRoundText(day, names), names);
            if (!tzolkin || tzolkin->number != day.number || tzolkin->sign != day.sign || !round ||
                round->sign != day.sign || round->haabDay != day.haabDay ||
                round->haabMonth != day.haabMonth)
                QFAIL(calendarRoundText(day, names).c_str());
        }
        for (const SignWord &word : words) {
            for (const Variant &variant : variantsOf(word.word)) {
                const int expected =
                    expectedSign(words, word.word, variant.keepsApostrophes, names);
                QVERIFY(expected != 0);
                for (int number = 1; number <= 13; ++number) {
                    const QString tzolkin =
                        QString::number(number) + QLatin1Char(' ') + variant.text;
                    for (const QString &text : {tzolkin, tzolkin + QStringLiteral(" 0 Pop")}) {
                        const std::optional<DaySpec> spec = parseDaySpec(text.toStdString(), names);
                        if (!spec || spec->number != number || spec->sign != expected)
                            QFAIL(qPrintable(
                                QStringLiteral("'%1' in the %2 set: not read as number %3, sign %4")
                                    .arg(text, QLatin1String(setName(names)))
                                    .arg(number)
                                    .arg(expected)));
                    }
                }
            }
        }
    }
}

void TestMayaCalendar::words_areReadAsTheChosenSetResolvesThem_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("yucatec"); // the sign read in each set, 0 for none
    QTest::addColumn<int>("kiche");
    // Kan is the fourth Yucatec day (K'an, colonial Kan) and the fifth
    // K'iche' one; the labels write both, KAT - (KAN) and KAN - (CHICCHAN).
    QTest::newRow("Kan") << "Kan" << 4 << 5;
    QTest::newRow("KAN") << "KAN" << 4 << 5;
    QTest::newRow("Kán") << "Kán" << 4 << 5;
    QTest::newRow("K'an, told by its apostrophe") << "K'an" << 4 << 4;
    QTest::newRow("K\u02bcAN") << "K\u02bcAN" << 4 << 4;
    QTest::newRow("Chicchan") << "Chicchan" << 5 << 5;
    QTest::newRow("KAT") << "KAT" << 4 << 4;
    QTest::newRow("I'x and Ix, the same sign") << "I'x" << 14 << 14;
    QTest::newRow("AHUA") << "AHUA" << 20 << 20;
    QTest::newRow("Ajpú") << "Ajpú" << 20 << 20;
    QTest::newRow("Imox") << "Imox" << 1 << 1;
    QTest::newRow("misspelt") << "Ajau" << 0 << 0;
    QTest::newRow("tilde, not an accent taken") << "Kãn" << 0 << 0;
    QTest::newRow("the month Keh, not Kej") << "Keh" << 0 << 0;
    QTest::newRow("apostrophes alone") << "''" << 0 << 0;
}

void TestMayaCalendar::words_areReadAsTheChosenSetResolvesThem()
{
    QFETCH(QString, word);
    QFETCH(int, yucatec);
    QFETCH(int, kiche);
    QCOMPARE(signOfName(word.toStdString(), DayNames::Yucatec), yucatec);
    QCOMPARE(signOfName(word.toStdString(), DayNames::Kiche), kiche);
    QCOMPARE(signOfName(word.toStdString()), yucatec);
}

void TestMayaCalendar::yearBearer_agreesWithAWalkOverEveryHaabYear()
{
    // 0 Pop fell on 30 March 2026, 2 Manik'.
    const long newYear2026 = julianDayOf(2026, 3, 30);
    const Day known = dayOf(newYear2026);
    QCOMPARE(QString::fromStdString(calendarRoundText(known)), QStringLiteral("2 Manik' 0 Pop"));
    QCOMPARE(QString::fromStdString(
                 tzolkinText(yearBearerOf(julianDayOf(2026, 12, 7)), DayNames::Kiche)),
             QStringLiteral("2 Kej"));
    for (const long correlation : {584283L, 584285L, 584286L}) {
        // Another correlation moves every day of the count, 0 Pop with them.
        const long start = newYear2026 + (correlation - kDefaultCorrelation);
        const long yearsBefore = (start - firstJulianDay()) / 365 + 1;
        for (long newYear = start - 365 * yearsBefore; newYear <= lastJulianDay(); newYear += 365) {
            const Day bearer = dayOf(newYear, correlation);
            QVERIFY(bearer.sign == 2 || bearer.sign == 7 || bearer.sign == 12 || bearer.sign == 17);
            for (long jd = std::max(newYear, firstJulianDay());
                 jd < newYear + 365 && jd <= lastJulianDay(); ++jd) {
                const Day found = yearBearerOf(jd, correlation);
                if (found.julianDay != newYear || found.number != bearer.number ||
                    found.sign != bearer.sign)
                    QFAIL(qPrintable(
                        QStringLiteral("Julian day %1, correlation %2").arg(jd).arg(correlation)));
            }
        }
    }
}

void TestMayaCalendar::observances_nextAndPreviousAgreeWithADayByDayWalk_data()
{
    QTest::addColumn<Observance>("observance");
    QTest::addColumn<int>("samples"); // fewer where the walk is long
    QTest::newRow("8 B'atz'") << Observance::EightBatz << 200;
    QTest::newRow("Wayeb'") << Observance::Wayeb << 200;
    QTest::newRow("0 Pop") << Observance::NewYear << 200;
    QTest::newRow("trecena") << Observance::TrecenaStart << 200;
    QTest::newRow("tun ending") << Observance::TunEnding << 200;
    QTest::newRow("katun ending") << Observance::KatunEnding << 40;
    QTest::newRow("baktun ending") << Observance::BaktunEnding << 6;
}

void TestMayaCalendar::observances_nextAndPreviousAgreeWithADayByDayWalk()
{
    QFETCH(Observance, observance);
    QFETCH(int, samples);
    QRandomGenerator random(1582 + int(observance));
    const auto span = quint32(lastJulianDay() - firstJulianDay() + 1);
    const long correlations[] = {584283, 584285, 584286};
    for (int i = 0; i < samples; ++i) {
        const long from = firstJulianDay() + long(random.bounded(span));
        const long correlation = correlations[i % 3];
        long found[2] = {};
        for (const int step : {+1, -1}) {
            long jd = from + step;
            for (;; jd += step) {
                const bool is = isObservanceByItsPlaces(dayOf(jd, correlation), observance);
                if (isObservance(observance, jd, correlation) != is)
                    QFAIL(qPrintable(QStringLiteral("isObservance, Julian day %1").arg(jd)));
                if (is)
                    break;
            }
            found[step > 0 ? 0 : 1] = jd;
        }
        QCOMPARE(nextObservance(observance, from, correlation), found[0]);
        QCOMPARE(previousObservance(observance, from, correlation), found[1]);
    }
}

void TestMayaCalendar::periodEndings_reportTheLargest_data()
{
    QTest::addColumn<LongCount>("count");
    QTest::addColumn<PeriodEnding>("ending");
    QTest::newRow("13.0.0.0.0") << LongCount{13, 0, 0, 0, 0} << PeriodEnding::Baktun;
    QTest::newRow("creation") << LongCount{0, 0, 0, 0, 0} << PeriodEnding::Baktun;
    QTest::newRow("9.12.0.0.0") << LongCount{9, 12, 0, 0, 0} << PeriodEnding::Katun;
    QTest::newRow("9.12.11.0.0") << LongCount{9, 12, 11, 0, 0} << PeriodEnding::Tun;
    QTest::newRow("9.0.0.1.0, an uinal") << LongCount{9, 0, 0, 1, 0} << PeriodEnding::None;
    QTest::newRow("9.12.11.5.18") << LongCount{9, 12, 11, 5, 18} << PeriodEnding::None;
}

void TestMayaCalendar::periodEndings_reportTheLargest()
{
    QFETCH(LongCount, count);
    QFETCH(PeriodEnding, ending);
    QCOMPARE(periodEndingOf(count), ending);
    // The day of that Long Count lists its largest ending only, after what
    // else it is.
    const long jd = daysOf(count) + kDefaultCorrelation;
    std::vector<Observance> expected;
    for (const Observance other : {Observance::EightBatz, Observance::Wayeb, Observance::NewYear,
                                   Observance::TrecenaStart}) {
        if (isObservanceByItsPlaces(dayOf(jd), other))
            expected.push_back(other);
    }
    const std::map<PeriodEnding, Observance> observanceOf = {
        {PeriodEnding::Tun, Observance::TunEnding},
        {PeriodEnding::Katun, Observance::KatunEnding},
        {PeriodEnding::Baktun, Observance::BaktunEnding}};
    if (ending != PeriodEnding::None)
        expected.push_back(observanceOf.at(ending));
    QVERIFY(observancesOf(jd) == expected);
}

QTEST_MAIN(TestMayaCalendar)
#include "tst_mayacalendar.moc"
