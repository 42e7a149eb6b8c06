// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/PropertyListReader.h"

#include "core/platform/OpenStepPlistParser.h"
#include "core/platform/PlistDepthGuard.h"
#include "core/platform/RegularFile.h"

#include <QDateTime>
#include <QFileInfo>
#include <QVariantList>
#include <QVariantMap>

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace sw {

namespace {

// Seconds between 1970-01-01 and 2001-01-01, the epoch of plist dates.
constexpr qint64 kPlistEpoch = 978307200;

struct PlistFree
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

QVariant toVariant(plist_t node, int depth);

QVariant dictToVariant(plist_t node, int depth)
{
    QVariantMap map;
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(node, &it);
    if (!it)
        return map;
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, it, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        QVariant converted = toVariant(value, depth + 1);
        const QString name = QString::fromUtf8(key);
        std::free(key);
        if (!converted.isValid()) {
            std::free(it);
            return QVariant();
        }
        map.insert(name, converted);
    }
    std::free(it);
    return map;
}

QVariant arrayToVariant(plist_t node, int depth)
{
    QVariantList list;
    const uint32_t size = plist_array_get_size(node);
    list.reserve(size);
    for (uint32_t i = 0; i < size; ++i) {
        QVariant converted = toVariant(plist_array_get_item(node, i), depth + 1);
        if (!converted.isValid())
            return QVariant();
        list.append(converted);
    }
    return list;
}

QVariant scalarToVariant(plist_t node, plist_type type)
{
    switch (type) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return bool(value);
    }
    case PLIST_UINT: {
        // Negative integers arrive as their two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return qint64(value);
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return text ? QString::fromUtf8(text, qsizetype(length)) : QString(QLatin1String(""));
    }
    case PLIST_DATE: {
        int32_t sec = 0, usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return QDateTime::fromMSecsSinceEpoch((kPlistEpoch + sec) * 1000 + usec / 1000, Qt::UTC);
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char *bytes = plist_get_data_ptr(node, &length);
        return bytes ? QByteArray(bytes, qsizetype(length)) : QByteArray("");
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return quint64(value);
    }
    default:
        return QVariant();
    }
}

QVariant toVariant(plist_t node, int depth)
{
    if (!node || depth > PropertyListReader::kMaxDepth)
        return QVariant();
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_DICT)
        return dictToVariant(node, depth);
    if (type == PLIST_ARRAY)
        return arrayToVariant(node, depth);
    return scalarToVariant(node, type);
}

// XML and binary go to libplist, anything else is taken as OpenStep text.
bool isXmlOrBinary(const QByteArray &data)
{
    if (data.startsWith("bplist"))
        return true;
    const qsizetype bom = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const QByteArray text = data.mid(bom, 256).trimmed();
    return text.startsWith("<?xml") || text.startsWith("<!DOCTYPE") || text.startsWith("<plist");
}

}  // namespace

QVariant PropertyListReader::readFile(const QString &path)
{
    if (path.isEmpty())
        return QVariant();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    const std::optional<QByteArray> data = readRegularFile(resolved.isEmpty() ? path : resolved, kMaxBytes);
    return data ? read(*data) : QVariant();
}

QVariant PropertyListReader::read(const QByteArray &data)
{
    if (data.isEmpty() || data.size() > kMaxBytes)
        return QVariant();
    if (!isXmlOrBinary(data))
        return OpenStepPlistParser::parse(data);
    const bool binary = data.startsWith("bplist");
    if (binary ? !PlistDepthGuard::binaryWithin(data, kMaxDepth) : !PlistDepthGuard::xmlWithin(data, kMaxDepth + 2))
        return QVariant();
    plist_t root = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &root);
    const PlistPtr owner(root);
    return toVariant(root, 0);
}

}  // namespace sw
