#include "link/statusreport.h"

#include <QStringRef>

#include <algorithm>

namespace {

constexpr int fieldCount = 13;
constexpr int markerField = 12;

struct FieldFormat
{
    quint8 StatusReport::*member;
    int base;
};

const FieldFormat fieldFormats[markerField] = {
    {&StatusReport::selectedAntenna, 16}, {&StatusReport::splitActive, 10}, {&StatusReport::sendActive, 10},
    {&StatusReport::splitRxAntenna, 16},  {&StatusReport::rtxActive, 10},   {&StatusReport::rxActive, 10},
    {&StatusReport::gpiWire, 16},         {&StatusReport::gpoStates, 16},   {&StatusReport::busyWire1to8, 16},
    {&StatusReport::busyWire9to12, 16},   {&StatusReport::rotorStates, 16}, {&StatusReport::rotorBlink, 16},
};

// One to eight digits of the base, nothing else: what the device sends.
bool wellFormed(const QStringRef& field, int base)
{
    if (field.isEmpty() || field.size() > 8) {
        return false;
    }
    return std::all_of(field.begin(), field.end(), [base](QChar c) {
        const char16_t u = c.unicode();
        const bool digit = u >= u'0' && u <= u'9';
        const bool hex = (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        return digit || (base == 16 && hex);
    });
}

quint8 lowByte(const QStringRef& field, int base)
{
    return static_cast<quint8>(field.toUInt(nullptr, base) & 0xFF);
}

} // namespace

StatusReport parseStatusReport(const QString& text)
{
    // Only the first thirteen fields matter, so a long text is never split
    // further than that.
    QStringRef fields[fieldCount];
    int start = 0;
    for (int i = 0; i < fieldCount; ++i) {
        if (start > text.size()) {
            return StatusReport();
        }
        const int dot = text.indexOf(QLatin1Char('.'), start);
        const int end = dot < 0 ? text.size() : dot;
        fields[i] = text.midRef(start, end - start);
        start = dot < 0 ? text.size() + 1 : dot + 1;
    }

    StatusReport report;
    if (fields[markerField].toInt(nullptr, 16) != 255) {
        return report;
    }
    for (int i = 0; i < markerField; ++i) {
        if (!wellFormed(fields[i], fieldFormats[i].base)) {
            // Read as 0, a garbled field would select Ant 1.
            StatusReport malformed;
            malformed.malformed = true;
            return malformed;
        }
        report.*(fieldFormats[i].member) = lowByte(fields[i], fieldFormats[i].base);
    }
    report.valid = true;
    return report;
}

ReportOutcome applyStatusReport(DeviceState& state, const StatusReport& report)
{
    if (!report.valid) {
        return ReportOutcome::Rejected;
    }
    state.selectedAntenna = report.selectedAntenna;
    state.splitActive = report.splitActive;
    state.sendActive = report.sendActive;
    state.splitRxAntenna = report.splitRxAntenna;
    state.rtxActive = report.rtxActive;
    state.rxActive = report.rxActive;
    state.gpiStates = static_cast<quint8>(~report.gpiWire);
    state.gpoStates = report.gpoStates;
    state.busyMask1to8 = static_cast<quint8>(~report.busyWire1to8);
    state.busyMask9to12 = static_cast<quint8>(~report.busyWire9to12);
    state.rotorStates = report.rotorStates;
    state.rotorBlink = report.rotorBlink;
    if (state.rxActive == 0) {
        state.selectedRx = 0;
    }
    return ReportOutcome::Applied;
}

QString datagramText(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes.constData(), static_cast<int>(qstrnlen(bytes.constData(), bytes.size())));
}
