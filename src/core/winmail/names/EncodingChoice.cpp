#include "EncodingChoice.h"

#include "EncodingList.h"
#include "ORPrefConfig.h"
#include "XADString.h"

namespace sw {

QString EncodingChoice::choose(const XADString &names, const QString &chosenEncoding,
                               qint64 autoDetectionThreshold)
{
    const QString fallback = QString::fromLatin1(kFallbackEncoding);
    const QString detected = names.encoding();
    if (chosenEncoding.isEmpty()) {
        const bool sure = names.confidence() * 100 >= double(autoDetectionThreshold);
        return !detected.isEmpty() && sure && names.canDecodeWithEncoding(detected) ? detected : fallback;
    }
    if (names.canDecodeWithEncoding(chosenEncoding))
        return chosenEncoding;
    return detected.isEmpty() ? fallback : detected;
}

QString EncodingChoice::choose(const XADString &names, qint64 filenameEncoding, qint64 autoDetectionThreshold)
{
    return choose(names, EncodingList::shared().icuName(filenameEncoding), autoDetectionThreshold);
}

QString EncodingChoice::chooseFromSettings(const XADString &names)
{
    return choose(names, ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")),
                  ORPrefConfig::integerForKey(QStringLiteral("autoDetectionThreshold")));
}

} // namespace sw
