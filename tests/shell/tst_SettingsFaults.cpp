#include "shell/PlacementSettings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// A settings file damaged on disk: the window starts where it starts the first time.
class tst_SettingsFaults : public QObject
{
    Q_OBJECT

private slots:
    void damagedFileGivesTheDefaults_data();
    void damagedFileGivesTheDefaults();
};

void tst_SettingsFaults::damagedFileGivesTheDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary garbage") << QByteArray("\xff\xfe\x00[Settings\x01\nMainLeft\x00=9", 25);
    QTest::newRow("cut off in a value") << QByteArray("[Settings]\nMainLeft=\"12\nMainTop=");
    QTest::newRow("beyond any screen") << QByteArray(
        "[Settings]\nMainLeft=1e30\nMainTop=-3e38\nMainWidth=3e38\nMainHeight=1e20\n");
    QTest::newRow("no size") << QByteArray("[Settings]\nMainWidth=0\nMainHeight=-6500\n");
    QTest::newRow("lists and bytes") << QByteArray(
        "[Settings]\nMainLeft=1, 2\nMainTop=@ByteArray(\\0)\nMainWidth=@Variant(\\0)\n");
}

void tst_SettingsFaults::damagedFileGivesTheDefaults()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quorvel.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(PlacementSettings(settings).read(), PlacementSettings::defaultPlacement());
}

QTEST_GUILESS_MAIN(tst_SettingsFaults)
#include "tst_SettingsFaults.moc"
