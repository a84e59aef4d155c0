// Every text in the code has a finished translation in every catalogue, unless its
// source is already in the catalogue's language, and no catalogue keeps a translation
// of a text that is gone. lupdate runs over the sources into a copy of each .ts, as
// `update_translations` would, and the copy is read.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// Written by CMake: the lupdate program, its options, the .ts files and the sources,
// each after a line naming the part.
struct Project
{
    QString lupdate;
    QStringList options;
    QStringList catalogues;
    QStringList sources;
};

Project readProject()
{
    Project project;
    QFile file(QStringLiteral(TOVIK2_TEXTS_PROJECT));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return project;
    QStringList *part = nullptr;
    QStringList lupdate;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line == u"[lupdate]")
            part = &lupdate;
        else if (line == u"[options]")
            part = &project.options;
        else if (line == u"[catalogues]")
            part = &project.catalogues;
        else if (line == u"[sources]")
            part = &project.sources;
        else if (part)
            part->append(line);
    }
    project.lupdate = lupdate.value(0);
    // Texts that are gone must stay visible here, marked vanished.
    project.options.removeAll(QStringLiteral("-no-obsolete"));
    return project;
}

bool isJapanese(const QString &text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(?:[1-9]|n)"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

struct Entry
{
    QString context;
    QString source;
    QString type;      // the translation's type attribute: "", unfinished, vanished, ...
    QStringList forms; // the translation, or its plural forms
    bool numerus = false;
};

QList<Entry> readCatalogue(const QString &path, QString *language)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message")
            entries.append(entry);
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == u"TS") {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            entry = Entry{
                context, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes"};
        } else if (name == u"source") {
            entry.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == u"translation") {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus)
                entry.forms.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (name == u"numerusform") {
            entry.forms.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        }
    }
    return entries;
}

// What is wrong with one entry of a catalogue in `language`; empty when nothing is.
QString fault(const Entry &entry, const QString &language)
{
    const bool japanese = language == u"ja";
    if (entry.type == u"vanished" || entry.type == u"obsolete")
        return QStringLiteral("translated, but no longer in the code");
    if (entry.type == u"unfinished") {
        if (isJapanese(entry.source) == japanese)
            return QString(); // the source already speaks the catalogue's language
        return QStringLiteral("no finished translation");
    }
    if (entry.forms.isEmpty())
        return QStringLiteral("no translation");
    for (const QString &form : entry.forms) {
        if (form.isEmpty())
            return QStringLiteral("an empty translation");
        // A Japanese translation may keep an English text exactly, as the original does.
        if (!japanese && isJapanese(form))
            return QStringLiteral("Japanese in the English translation: ") + form;
        if (japanese && !isJapanese(form) && form != entry.source)
            return QStringLiteral("not Japanese: ") + form;
        if (placeholders(form) != placeholders(entry.source))
            return QStringLiteral("placeholders differ from the source's: ") + form;
    }
    if (entry.numerus && !japanese && entry.forms.size() != 2)
        return QStringLiteral("English needs a singular and a plural form");
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
        for (const QString &path : readProject().catalogues)
            QTest::newRow(qPrintable(path.section(u'/', -1))) << path;
    }

    void catalogueCoversTheCode()
    {
        QFETCH(QString, catalogue);
        const Project project = readProject();
        QVERIFY2(!project.lupdate.isEmpty() && !project.sources.isEmpty(), TOVIK2_TEXTS_PROJECT);
        QTemporaryDir folder;
        const QString copy = folder.filePath(catalogue.section(u'/', -1));
        QVERIFY(QFile::copy(catalogue, copy));

        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(project.lupdate,
                      project.options + project.sources + QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120'000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        QString language;
        const QList<Entry> entries = readCatalogue(copy, &language);
        QVERIFY2(!entries.isEmpty(), qPrintable(copy));
        QVERIFY2(!language.isEmpty(), "the catalogue names its language");
        QStringList faults;
        for (const Entry &entry : entries) {
            const QString wrong = fault(entry, language);
            if (!wrong.isEmpty())
                faults.append(entry.context + QStringLiteral(" \"") + entry.source +
                              QStringLiteral("\": ") + wrong);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
