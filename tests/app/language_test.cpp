#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "app/language.h"
#include "ui/prompts.h"

// Which language the game takes from the user's, and that it is English
// rather than half a translation when Qt's own one cannot be had.

using namespace dropline;

namespace {

// What the game's first prompt says once the translations are in place.
QString firstPrompt() {
    return ui::prompts::translated(ui::prompts::kFirstName);
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);

private slots:
    void cleanup() {
        // Each case starts from English: remove what the last one installed.
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void theFirstLanguageTheGameSpeaks_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("installed");
        QTest::newRow("French") << "fr_FR" << "fr";
        QTest::newRow("French of Canada, by its language") << "fr_CA" << "fr";
        QTest::newRow("Arabic of Egypt") << "ar_EG" << "ar";
        QTest::newRow("Portuguese of Brazil") << "pt_BR" << "pt_BR";
        QTest::newRow("Chinese of China") << "zh_CN" << "zh_CN";
        QTest::newRow("English") << "en_GB" << "";
        QTest::newRow("the C locale") << "C" << "";
        QTest::newRow("a language the game does not speak") << "it_IT" << "";
    }

    void theFirstLanguageTheGameSpeaks() {
        QFETCH(QString, locale);
        QFETCH(QString, installed);
        QCOMPARE(app::installTranslations(QLocale(locale), qtTranslations), installed);
        QCOMPARE(firstPrompt() == QLatin1String(ui::prompts::kFirstName), installed.isEmpty());
    }

    void aDamagedQtTranslationGivesEnglish() {
        QTemporaryDir broken;
        QFile damaged(broken.filePath("qtbase_fr.qm"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a translation");
        damaged.close();
        QCOMPARE(app::installTranslations(QLocale("fr_FR"), broken.path()), QString());
        QCOMPARE(firstPrompt(), QString(ui::prompts::kFirstName));
    }

    void aMissingQtTranslationGivesEnglish() {
        QTemporaryDir empty;
        QCOMPARE(app::installTranslations(QLocale("de_DE"), empty.path()), QString());
        QCOMPARE(firstPrompt(), QString(ui::prompts::kFirstName));
    }
};

QTEST_GUILESS_MAIN(LanguageTest)
#include "language_test.moc"
