// Every text in the code has a finished translation in every catalogue (unless its source is
// in the catalogue's language) and none of a text that is gone: lupdate runs into a copy.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Written by CMake: "[lupdate]", "[options]", "[catalogues]" and "[sources]", each a line
// followed by its part.
QMap<QString, QStringList> readProject()
{
    QMap<QString, QStringList> parts;
    QFile file(QStringLiteral(TOVIK2_TEXTS_PROJECT));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return parts;
    QString part;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'['))
            part = line;
        else
            parts[part].append(line);
    }
    // Texts that are gone must stay visible here, marked vanished.
    parts[QStringLiteral("[options]")].removeAll(QStringLiteral("-no-obsolete"));
    return parts;
}

bool isJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:[1-9]|n)"));
    QSet<QString> found;
    for (const auto &match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// What is wrong with a message of a catalogue, read from its start; empty when nothing is.
QString whatIsWrong(QXmlStreamReader &xml, bool japanese)
{
    const bool numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
    const auto text = [&] { return xml.readElementText(QXmlStreamReader::IncludeChildElements); };
    QString source, type;
    QStringList forms; // the translation, or its plural forms
    while (xml.readNextStartElement()) {
        if (xml.name() == u"source") {
            source = text();
        } else if (xml.name() == u"translation") {
            type = xml.attributes().value(QLatin1String("type")).toString();
            if (!numerus)
                forms.append(text());
            while (numerus && xml.readNextStartElement())
                forms.append(text()); // <numerusform>
        } else {
            xml.skipCurrentElement();
        }
    }
    const auto fault = [&](const QString &what) {
        return '"' + source + QStringLiteral("\": ") + what;
    };
    if (type == u"vanished" || type == u"obsolete")
        return fault(QStringLiteral("translated, but no longer in the code"));
    if (type == u"unfinished") // fine when the source already speaks the catalogue's language
        return isJapanese(source) == japanese ? QString()
                                              : fault(QStringLiteral("no finished translation"));
    if (forms.isEmpty() || forms.contains(QString()))
        return fault(QStringLiteral("no translation, or an empty one"));
    for (const QString &form : forms) {
        // A Japanese translation may keep an English text exactly, as the original does.
        if (isJapanese(form) != japanese && !(japanese && form == source))
            return fault(QStringLiteral("not in the catalogue's language: ") + form);
        if (placeholders(form) != placeholders(source))
            return fault(QStringLiteral("placeholders differ from the source's: ") + form);
    }
    if (numerus && !japanese && forms.size() != 2)
        return fault(QStringLiteral("English needs a singular and a plural form"));
    return QString();
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void catalogueCoversTheCode_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const QString &path : readProject().value(QStringLiteral("[catalogues]")))
            QTest::newRow(qPrintable(path.section(u'/', -1))) << path;
    }

    void catalogueCoversTheCode()
    {
        QFETCH(QString, catalogue);
        const QMap<QString, QStringList> project = readProject();
        const QString lupdate = project.value(QStringLiteral("[lupdate]")).value(0);
        const QStringList sources = project.value(QStringLiteral("[sources]"));
        QVERIFY2(!lupdate.isEmpty() && !sources.isEmpty(), TOVIK2_TEXTS_PROJECT);
        QTemporaryDir folder;
        const QString copy = folder.filePath(catalogue.section(u'/', -1));
        QVERIFY(QFile::copy(catalogue, copy));

        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(lupdate, project.value(QStringLiteral("[options]")) + sources +
                               QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(run.waitForFinished(120'000));
        QVERIFY2(run.exitCode() == 0, run.readAll().constData());

        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString language, context;
        QStringList faults;
        int messages = 0;
        while (xml.readNextStartElement()) { // <TS>, then each <context>
            if (xml.name() == u"TS") {
                language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (xml.name() != u"context") {
                xml.skipCurrentElement();
            } else {
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"name") {
                        context = xml.readElementText();
                        continue;
                    }
                    ++messages;
                    const QString wrong = whatIsWrong(xml, language == u"ja");
                    if (!wrong.isEmpty())
                        faults.append(context + u' ' + wrong);
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(messages > 0 && !language.isEmpty(), qPrintable(copy));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
