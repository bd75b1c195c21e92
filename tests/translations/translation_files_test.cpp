// SPDX-License-Identifier: MIT
// The shipped translation files against the sources: every text translated, nothing the
// sources say missing from a file, and each translation keeps what the program fills in or
// acts on (placeholders, line breaks, the Alt-letter mark).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <string>
#include <vector>

#include "support/case_names.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty
};

// The text of an element, with lupdate's <byte value="xd"/> turned back into the character.
QString elementText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == u"byte") {
            text += QChar(xml.attributes().value("value").toString().mid(1).toInt(nullptr, 16));
        } else if (xml.isEndElement() && xml.name() != u"byte") {
            break;
        }
    }
    return text;
}

std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({context, {}, {}, {}, {}});
        } else if (xml.name() == u"source") {
            messages.back().source = elementText(xml);
        } else if (xml.name() == u"comment") {
            messages.back().comment = elementText(xml);
        } else if (xml.name() == u"translation") {
            messages.back().type = xml.attributes().value("type").toString();
            messages.back().translation = elementText(xml);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString keyOf(const Message& message) {
    return message.context + u'|' + message.source + u'|' + message.comment;
}

QSet<QString> keysOf(const std::vector<Message>& messages) {
    QSet<QString> keys;
    for (const Message& message : messages) {
        keys.insert(keyOf(message));
    }
    return keys;
}

QStringList sorted(const QSet<QString>& keys) {
    QStringList list(keys.begin(), keys.end());
    list.sort();
    return list;
}

QStringList placeholdersOf(const QString& text) {
    QStringList found;
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

// "&&" is a written ampersand, not a mark.
qsizetype mnemonicsOf(QString text) {
    return text.remove(QStringLiteral("&&")).count(u'&');
}

QStringList shippedFiles() {
    const QDir folder(QStringLiteral(LIGHTBOX_TRANSLATIONS_DIR));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("lightbox_*.ts")}, QDir::Files)) {
        files << folder.filePath(name);
    }
    return files;
}

// What lupdate reads out of the sources today, as the update script runs it.
std::vector<Message> textsInTheSources() {
    QTemporaryDir scratch;
    const QString probe = scratch.filePath(QStringLiteral("lightbox_probe.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LIGHTBOX_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(LIGHTBOX_SOURCE_DIR), QStringLiteral("-ts"), probe});
    EXPECT_TRUE(lupdate.waitForFinished(120000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    return messagesOf(probe);
}

struct ShippedFile {
    std::string name;
    QString path;
};

std::vector<ShippedFile> shippedCases() {
    std::vector<ShippedFile> cases;
    for (const QString& path : shippedFiles()) {
        cases.push_back({QFileInfo(path).completeBaseName().toStdString(), path});
    }
    return cases;
}

class TranslationFile : public testing::TestWithParam<ShippedFile> {};

TEST(TranslationFiles, germanFrenchAndSpanishAreShipped) {
    QStringList names;
    for (const QString& path : shippedFiles()) {
        names << QFileInfo(path).fileName();
    }
    for (const char* expected : {"lightbox_de.ts", "lightbox_es.ts", "lightbox_fr.ts"}) {
        EXPECT_TRUE(names.contains(QLatin1String(expected))) << expected;
    }
}

TEST_P(TranslationFile, translatesEveryText) {
    for (const Message& message : messagesOf(GetParam().path)) {
        EXPECT_TRUE(message.type.isEmpty() && !message.translation.isEmpty())
            << message.context.toStdString() << ": \"" << message.source.toStdString() << "\" is "
            << (message.type.isEmpty() ? "empty" : message.type.toStdString());
    }
}

TEST_P(TranslationFile, holdsExactlyTheTextsOfTheSources) {
    const QSet<QString> inSources = keysOf(textsInTheSources());
    const QSet<QString> inFile = keysOf(messagesOf(GetParam().path));
    EXPECT_EQ(sorted(inSources - inFile), QStringList())
        << "in the sources but not in the file (run scripts/update-translations.sh)";
    EXPECT_EQ(sorted(inFile - inSources), QStringList())
        << "in the file but no longer in the sources";
    EXPECT_FALSE(inSources.isEmpty());
}

TEST_P(TranslationFile, keepsPlaceholdersLineBreaksAndAltLetters) {
    for (const Message& message : messagesOf(GetParam().path)) {
        const std::string where =
            message.context.toStdString() + ": \"" + message.source.toStdString() + "\"";
        EXPECT_EQ(placeholdersOf(message.translation), placeholdersOf(message.source)) << where;
        EXPECT_EQ(message.translation.count(u'\r'), message.source.count(u'\r')) << where;
        EXPECT_EQ(mnemonicsOf(message.translation), mnemonicsOf(message.source)) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslationFile, testing::ValuesIn(shippedCases()), ByCaseName());

}  // namespace
