// The documents installed beside the program describe the program as built: each manual page names
// every command-line form in its synopsis and explains it, and the manual pages, the AppStream
// release and the Debian changelog carry the program's version. A command or a version added in the
// code alone would otherwise leave the package describing another program.
#include "app/HeadlessCommands.h"
#include "storage/Version.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace mcb;

namespace {

QString Document(const QString& path) {
    QFile file(QStringLiteral(MCB_SOURCE_DIR "/packaging/") + path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// An option as a manual page spells it: every hyphen escaped.
QString ManualSpelling(const QString& option) {
    return QString(option).replace(QLatin1Char('-'), QStringLiteral("\\-"));
}

const char* const kManualPages[] = {"man/mirvane-cdbase.1", "man/ru/mirvane-cdbase.1"};

} // namespace

class InstalledDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void manualPagesExplainEveryCommand_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("option");
        for (const char* page : kManualPages) {
            QStringList options{QStringLiteral("--help")};
            for (const HeadlessCommand& command : HeadlessCommands()) options << QString::fromUtf8(command.option);
            for (const QString& option : options)
                QTest::newRow(qPrintable(QString::fromUtf8(page) + " " + option)) << QString::fromUtf8(page) << option;
        }
    }

    void manualPagesExplainEveryCommand() {
        QFETCH(QString, page);
        QFETCH(QString, option);
        const QString text = Document(page);
        QVERIFY2(!text.isEmpty(), qPrintable(page));
        const QString spelt = QRegularExpression::escape(ManualSpelling(option));
        const QRegularExpression synopsis(QStringLiteral("^\\.B mirvane-cdbase %1$").arg(spelt),
                                          QRegularExpression::MultilineOption);
        const QRegularExpression entry(QStringLiteral("^\\.TP\\n\\.BI? %1( |$)").arg(spelt),
                                       QRegularExpression::MultilineOption);
        QVERIFY2(text.contains(synopsis), "no synopsis line");
        QVERIFY2(text.contains(entry), "no paragraph of its own");
    }

    void documentsCarryTheProgramVersion_data() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("pattern"); // %1 is the version
        QTest::newRow("manual page") << QString::fromUtf8(kManualPages[0])
                                     << QStringLiteral("^\\.TH MIRVANE-CDBASE 1 \"[-0-9]+\" \"Mirvane CD Base %1\"");
        QTest::newRow("Russian manual page")
            << QString::fromUtf8(kManualPages[1])
            << QStringLiteral("^\\.TH MIRVANE-CDBASE 1 \"[-0-9]+\" \"Mirvane CD Base %1\"");
        // The newest release comes first in both.
        QTest::newRow("metainfo") << QStringLiteral("mirvane-cdbase.metainfo.xml")
                                  << QStringLiteral("<releases>\\s*<release version=\"%1\"");
        QTest::newRow("changelog") << QStringLiteral("changelog") << QStringLiteral("^mirvane-cdbase \\(%1\\) ");
    }

    void documentsCarryTheProgramVersion() {
        QFETCH(QString, document);
        QFETCH(QString, pattern);
        const QString version = QRegularExpression::escape(QString::fromUtf8(kProgramVersion));
        QVERIFY(Document(document).contains(QRegularExpression(pattern.arg(version))));
    }
};

QTEST_MAIN(InstalledDocumentsTest)
#include "InstalledDocuments_test.moc"
