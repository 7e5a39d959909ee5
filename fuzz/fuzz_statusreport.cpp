// libFuzzer target for the status report parser: any datagram the network
// can deliver, checked against a plain split-based reading of the format.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/statusreport.h"

namespace {

// The format read the obvious way: split at every '.', keep empty fields.
StatusReport referenceReading(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char('.'));
    StatusReport report;
    if (fields.size() < 13 || fields.at(12).toInt(nullptr, 16) != 255) {
        return report;
    }
    const int bases[12] = {16, 10, 10, 16, 10, 10, 16, 16, 16, 16, 16, 16};
    quint8 values[12];
    for (int i = 0; i < 12; ++i) {
        // One to eight digits of the base, nothing else; otherwise the
        // whole report is malformed.
        const QString& field = fields.at(i);
        const QString digits = QStringLiteral("0123456789abcdefABCDEF").left(bases[i] == 16 ? 22 : 10);
        const bool wellFormed = !field.isEmpty() && field.size() <= 8 &&
            std::all_of(field.begin(), field.end(), [&digits](QChar c) { return digits.contains(c); });
        if (!wellFormed) {
            StatusReport malformed;
            malformed.malformed = true;
            return malformed;
        }
        values[i] = static_cast<quint8>(fields.at(i).toUInt(nullptr, bases[i]) & 0xFF);
    }
    report.valid = true;
    report.selectedAntenna = values[0];
    report.splitActive = values[1];
    report.sendActive = values[2];
    report.splitRxAntenna = values[3];
    report.rtxActive = values[4];
    report.rxActive = values[5];
    report.gpiWire = values[6];
    report.gpoStates = values[7];
    report.busyWire1to8 = values[8];
    report.busyWire9to12 = values[9];
    report.rotorStates = values[10];
    report.rotorBlink = values[11];
    return report;
}

bool same(const StatusReport& a, const StatusReport& b)
{
    return a.valid == b.valid && a.malformed == b.malformed && a.selectedAntenna == b.selectedAntenna &&
        a.splitActive == b.splitActive && a.sendActive == b.sendActive && a.splitRxAntenna == b.splitRxAntenna &&
        a.rtxActive == b.rtxActive && a.rxActive == b.rxActive && a.gpiWire == b.gpiWire &&
        a.gpoStates == b.gpoStates && a.busyWire1to8 == b.busyWire1to8 && a.busyWire9to12 == b.busyWire9to12 &&
        a.rotorStates == b.rotorStates && a.rotorBlink == b.rotorBlink;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536) {
        return 0; // larger than any UDP datagram
    }
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const QString text = datagramText(bytes);
    const StatusReport report = parseStatusReport(text);
    if (!same(report, referenceReading(text))) {
        std::abort();
    }

    DeviceState state;
    const ReportOutcome outcome = applyStatusReport(state, report);
    if ((outcome == ReportOutcome::Rejected) == report.valid) {
        std::abort();
    }
    return 0;
}
