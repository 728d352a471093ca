#include "platform/DataFolder.h"
#include "platform/QtDesktop.h"
#include "platform/SettingsStore.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
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

    // A relative base folder is ignored, so settings and cache are one wherever the program
    // starts; an absolute one is kept.
    void relativeBaseFoldersAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QStandardPaths::StandardLocation>("location");
        QTest::addRow("settings") << QByteArray("XDG_CONFIG_HOME")
                                  << QStandardPaths::GenericConfigLocation;
        QTest::addRow("cache") << QByteArray("XDG_CACHE_HOME") << QStandardPaths::CacheLocation;
    }

    void relativeBaseFoldersAreIgnored()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QStandardPaths::StandardLocation, location);
        const QByteArray absolute = qgetenv(variable.constData());
        qputenv(variable.constData(), "relative");
        ignoreRelativeBaseFolders();
        QVERIFY(QDir::isAbsolutePath(QStandardPaths::writableLocation(location)));
        QVERIFY(!qEnvironmentVariableIsSet(variable.constData()));
        qputenv(variable.constData(), "/tmp/elsewhere");
        ignoreRelativeBaseFolders();
        QCOMPARE(qgetenv(variable.constData()), QByteArray("/tmp/elsewhere"));
        if (absolute.isEmpty())
            qunsetenv(variable.constData());
        else
            qputenv(variable.constData(), absolute);
    }

    void fileDialogTakesTheNameAsTypedFirst_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen"); // empty: the dialog gives nothing
        QTest::addRow("open a record named without the dot") << false << "backupzoy"
                                                             << "backupzoy"
                                                             << "backupzoy";
        QTest::addRow("open a name typed without the suffix") << false << "saved.zoy"
                                                              << "saved"
                                                              << "saved.zoy";
        QTest::addRow("open the whole name") << false << "saved.zoy"
                                             << "saved.zoy"
                                             << "saved.zoy";
        QTest::addRow("open a name that is not there") << false << "saved.zoy"
                                                       << "other"
                                                       << "";
        QTest::addRow("save a name without the dot") << true << ""
                                                     << "backupzoy"
                                                     << "backupzoy.zoy";
    }
    void fileDialogTakesTheNameAsTypedFirst()
    {
        QFETCH(bool, save);
        QFETCH(QString, existing);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        if (!existing.isEmpty()) {
            QFile file(dir.filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        bool buttonEnabled = false;
        bool stayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                ->setText(dir.filePath(typed));
            QPushButton* button = dialog->findChild<QDialogButtonBox*>()->button(
                save ? QDialogButtonBox::Save : QDialogButtonBox::Open);
            buttonEnabled = button->isEnabled();
            // A name that is not there is answered with a message over the dialog.
            QTimer::singleShot(0, this, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->accept();
            });
            button->click();
            stayedOpen = dialog->isVisible();
            if (stayedOpen)
                dialog->reject();
        });
        QtDesktop desktop;
        const FileDialogRequest request{QStringLiteral("Select the source file"),
                                        QStringLiteral("Tarvo Free Zodiac Yoga (*.zoy)"),
                                        QStringLiteral("zoy")};
        const QString path =
            save ? desktop.saveFileName(nullptr, request) : desktop.openFileName(nullptr, request);
        QCOMPARE(path, chosen.isEmpty() ? QString() : dir.filePath(chosen));
        QCOMPARE(stayedOpen, chosen.isEmpty());
        if (!chosen.isEmpty())
            QVERIFY(buttonEnabled);
    }

    void verdanaIsPinnedToDejaVuSans()
    {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Verdana"));
    }
};

TARVO_TEST_MAIN(tst_QtDesktop)
#include "tst_qtdesktop.moc"
