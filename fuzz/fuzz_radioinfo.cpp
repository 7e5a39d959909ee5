// libFuzzer target for the logger's RadioInfo reader: any datagram the
// network can deliver. What it accepts must be a usable reading, and must
// read the same when written back as a plain document.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/bandplan.h"
#include "connection/radioinfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536) {
        return 0; // larger than any UDP datagram
    }
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const std::optional<RadioInfo> info = parseRadioInfo(bytes);
    if (!info) {
        return 0;
    }
    // A frequency, when there is one, is one a radio can be tuned to.
    for (const std::optional<qint64>& hz : {info->frequencyHz, info->txFrequencyHz}) {
        if (hz && (*hz <= 0 || *hz > radioMaxHz || *hz % 10 != 0)) {
            std::abort();
        }
    }
    // What the panel does with a reading must hold for any accepted one.
    if (info->frequencyHz) {
        if (const std::optional<int> band = bandplan::bandAt(*info->frequencyHz)) {
            if (bandplan::bandLabel(*band).isEmpty()) {
                std::abort();
            }
        }
        if (!bandplan::frequencyText(*info->frequencyHz).endsWith(QLatin1String(" MHz"))) {
            std::abort();
        }
    }

    QByteArray again = "<RadioInfo><RadioNr>" + QByteArray::number(info->radioNr) + "</RadioNr>";
    if (info->frequencyHz) {
        again += "<Freq>" + QByteArray::number(*info->frequencyHz / 10) + "</Freq>";
    }
    if (info->transmitting) {
        again +=
            *info->transmitting ? "<IsTransmitting>True</IsTransmitting>" : "<IsTransmitting>False</IsTransmitting>";
    }
    again += "</RadioInfo>";
    const std::optional<RadioInfo> reread = parseRadioInfo(again);
    if (!reread || reread->radioNr != info->radioNr || reread->frequencyHz != info->frequencyHz ||
        reread->transmitting != info->transmitting) {
        std::abort();
    }
    return 0;
}
