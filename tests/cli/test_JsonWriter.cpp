// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON writer of sweepwright-cli: what it writes parses back to what was
// given, whatever the text holds.

#include "cli/JsonWriter.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

// Runs write on a writer over a temporary file and returns what it wrote.
template <class Write>
QByteArray written(Write write)
{
    FILE *file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    JsonWriter json(file);
    write(json);
    EXPECT_TRUE(json.ok());
    QByteArray out(int(std::ftell(file)), '\0');
    std::rewind(file);
    EXPECT_EQ(std::fread(out.data(), 1, size_t(out.size()), file), size_t(out.size()));
    std::fclose(file);
    return out;
}

QJsonObject parsed(const QByteArray &text)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    return doc.object();
}

TEST(JsonWriter, NestedContainersInBothLayoutsParseBack)
{
    const QByteArray text = written([](JsonWriter &json) {
        json.beginObject();
        json.member("total", qint64(1) << 40);
        json.key("groups").beginArray();
        for (int g = 0; g < 2; ++g) {
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("id", g);
            json.key("items").beginArray();
            json.beginObject(JsonWriter::Layout::Inline);
            json.member("isDel", g == 1);
            json.endObject();
            json.endArray();
            json.endObject();
        }
        json.endArray();
        json.stringArray("empty", {});
        json.endObject();
    });
    EXPECT_EQ(text,
              "{\n  \"total\": 1099511627776,\n  \"groups\": [\n"
              "    {\"id\": 0, \"items\": [\n      {\"isDel\": false}\n    ]},\n"
              "    {\"id\": 1, \"items\": [\n      {\"isDel\": true}\n    ]}\n  ],\n  \"empty\": []\n}\n");
    const QJsonObject object = parsed(text);
    EXPECT_EQ(object.value("groups").toArray().size(), 2);
    EXPECT_EQ(object.value("empty").toArray(), QJsonArray());
}

// Every control character, quotes and backslashes, characters beyond the
// basic plane, and what is no valid text: a lone surrogate (a QString made
// from a broken UTF-16 source) and bytes that are not UTF-8 (a file name).
TEST(JsonWriter, AnyTextBecomesAValidStringThatReadsBack)
{
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    const QString odd = controls + QStringLiteral(u"\"quoted\" back\\slash \u00e9\u4e2d") + QString::fromUcs4(U"\U0001F600");
    const QString lone = QStringLiteral(u"a") + QChar(char16_t(0xD800)) + QStringLiteral(u"b");
    const QByteArray notUtf8("name-\xff\xfe-\xc3", 9);
    const QByteArray text = written([&](JsonWriter &json) {
        json.beginObject();
        json.member("odd", odd);
        json.member("lone", lone);
        json.member("bytes", QByteArrayView(notUtf8));
        json.endObject();
    });
    for (char c : text)
        EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n') << "raw control character in " << text.toStdString();
    EXPECT_TRUE(QString::fromUtf8(text).toUtf8() == text) << "not valid UTF-8";
    const QJsonObject object = parsed(text);
    EXPECT_EQ(object.value("odd").toString(), odd);
    EXPECT_EQ(object.value("lone").toString(), QStringLiteral(u"a\uFFFDb"));
    EXPECT_TRUE(object.value("bytes").toString().startsWith(QStringLiteral(u"name-\uFFFD")));
}

}  // namespace
