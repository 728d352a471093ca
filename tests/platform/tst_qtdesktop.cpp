#include "platform/QtDesktop.h"
#include "platform/SettingsStore.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>

using namespace tarvo;

class tst_QtDesktop : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void messageBoxShowsMarkupAsTypedAndReportsTheAnswer_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("expected");
        QTest::addRow("yes") << int(QMessageBox::Yes) << int(MessageAnswer::Yes);
        QTest::addRow("no") << int(QMessageBox::No) << int(MessageAnswer::No);
    }
    void messageBoxShowsMarkupAsTypedAndReportsTheAnswer()
    {
        QFETCH(int, button);
        QFETCH(int, expected);
        const QString text = QStringLiteral("<b>x</b> &amp; y.zoy");
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            format = box->textFormat();
            icon = box->icon();
            box->button(QMessageBox::StandardButton(button))->click();
        });
        QtDesktop desktop;
        const MessageAnswer answer =
            desktop.message(nullptr, MessageIcon::Question, MessageButtons::YesNo,
                            QStringLiteral("Tarvo Yoga"), text);
        QCOMPARE(int(answer), expected);
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(icon, QMessageBox::Question);
    }

    // The settings file as a user writes it by hand reads as the program writes it.
    void settingsWrittenByHand_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::addRow("list unquoted")
            << QByteArray("Conditions=pregnancy,neck") << "pregnancy,neck";
        QTest::addRow("quoted") << QByteArray("Conditions=\"pregnancy,neck\"") << "pregnancy,neck";
        QTest::addRow("one") << QByteArray("Conditions=knee") << "knee";
        QTest::addRow("empty") << QByteArray("Conditions=") << "";
    }

    void settingsWrittenByHand()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Tarvo");
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/TarvoYoga.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Practice]\n" + line + "\n");
        file.close();
        QCOMPARE(UserSettingsStore().value(QStringLiteral("Practice/Conditions")), value);
    }

    void verdanaIsPinnedToDejaVuSans()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Verdana"));
    }
};

TARVO_TEST_MAIN(tst_QtDesktop)
#include "tst_qtdesktop.moc"
