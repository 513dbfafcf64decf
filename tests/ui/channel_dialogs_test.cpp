// The two channel dialogs driven through their real widgets.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "tests/support/RecordingReporter.h"
#include "ui/AnalogChannelDialog.h"
#include "ui/DigitalChannelDialog.h"
#include "ui/QtChannelDialogs.h"

using lumoscope::AnalogChannelForm;
using lumoscope::DigitalChannelForm;
using lumoscope::SatelliteFields;
using lumoscope::test::RecordingReporter;
using lumoscope::ui::AnalogChannelDialog;
using lumoscope::ui::DigitalChannelDialog;
using lumoscope::ui::QtChannelDialogs;

namespace {

// Three satellites in file order; the third has an angle that is no number.
std::vector<std::string> SatelliteLines() {
  return {"4", "ASTRA",   "N", "10600", "09750", "1", "0192",   //
          "9", "HOTBIRD", "N", "10700", "09800", "2", "-0130",  //
          "7", "BROKEN",  "N", "11300", "10000", "3", "X12"};
}

lumoscope::ChannelDialogSetup NewSetup() {
  return {SatelliteLines(), lumoscope::NameCodec(), lumoscope::DialogPurpose::New};
}

SatelliteFields FirstSatellite() {
  return {"ASTRA", "10600", "09750", "1", "0192", 0};
}

template <typename T>
T* Find(QWidget& dialog, const char* name) {
  T* w = dialog.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no widget %s", name);
  return w;
}

QString TextOf(QWidget& dialog, const char* name) {
  return Find<QLineEdit>(dialog, name)->text();
}

void Type(QWidget& dialog, const char* name, const QString& text) {
  QLineEdit* edit = Find<QLineEdit>(dialog, name);
  edit->clear();
  QTest::keyClicks(edit, text);
}

DigitalChannelForm DigitalPreset() {
  DigitalChannelForm f;
  f.satellite = FirstSatellite();
  return f;
}

AnalogChannelForm AnalogPreset() {
  AnalogChannelForm f;
  f.satellite = FirstSatellite();
  return f;
}

void FillValidDigital(QWidget& d) {
  Type(d, "name", "NEW ONE");
  Type(d, "svcId", "1f");
  Type(d, "frequency", "11727");
  Type(d, "symbolRate", "27500");
}

void FillValidAnalog(QWidget& d) {
  Type(d, "name", "news");
  Type(d, "frequency", "3880");
  Type(d, "threshold", "12");
  Type(d, "contrast", "200");
  Type(d, "audioLeft", "6.50");
  Type(d, "audioRight", "7.02");
}

}  // namespace

class ChannelDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void digitalDialogShowsPresetsAndSatellitesInFileOrder() {
    RecordingReporter reporter;
    DigitalChannelDialog d(DigitalPreset(), NewSetup(), reporter);
    QCOMPARE(d.windowTitle(), QStringLiteral("Setting Digital Channel....New"));
    auto* satellites = Find<QComboBox>(d, "satelliteName");
    QCOMPARE(satellites->count(), 3);
    QCOMPARE(satellites->itemText(0), QStringLiteral("ASTRA"));
    QCOMPARE(satellites->itemText(1), QStringLiteral("HOTBIRD"));
    QCOMPARE(satellites->itemText(2), QStringLiteral("BROKEN"));
    QCOMPARE(satellites->currentIndex(), 0);
    QCOMPARE(TextOf(d, "degree"), QStringLiteral("0192"));  // stored form until a choice
    QVERIFY(Find<QLineEdit>(d, "degree")->isReadOnly());
    QCOMPARE(TextOf(d, "activeAudio"), QStringLiteral("1"));
    QCOMPARE(TextOf(d, "bouquet"), QStringLiteral("---"));
    QVERIFY(Find<QRadioButton>(d, "tvRadioFirst")->isChecked());
    QVERIFY(Find<QRadioButton>(d, "polarityFirst")->isChecked());
    QCOMPARE(Find<QLineEdit>(d, "name")->maxLength(), 13);
    QCOMPARE(Find<QLineEdit>(d, "bouquet")->maxLength(), 13);
    QCOMPARE(Find<QLineEdit>(d, "frequency")->maxLength(), 5);
    QCOMPARE(Find<QLineEdit>(d, "symbolRate")->maxLength(), 5);
    QVERIFY(!Find<QLineEdit>(d, "videoPid")->isEnabled());
    d.show();
    QVERIFY(!Find<QLineEdit>(d, "videoPid")->isVisible());
  }

  void presetSatelliteIsFoundByItsNamePrefix() {
    RecordingReporter reporter;
    DigitalChannelForm preset = DigitalPreset();
    preset.satellite.name = "hot";
    DigitalChannelDialog d(preset, NewSetup(), reporter);
    QCOMPARE(Find<QComboBox>(d, "satelliteName")->currentIndex(), 1);
  }

  void choosingTheSecondSatelliteShowsItsDataAndKeepsTypedValues() {
    RecordingReporter reporter;
    DigitalChannelDialog d(DigitalPreset(), NewSetup(), reporter);
    Type(d, "name", "TYPED");
    Find<QComboBox>(d, "satelliteName")->setCurrentIndex(1);
    QCOMPARE(TextOf(d, "lnbHigh"), QStringLiteral("10700"));
    QCOMPARE(TextOf(d, "lnbLow"), QStringLiteral("09800"));
    QCOMPARE(TextOf(d, "position"), QStringLiteral("2"));
    QCOMPARE(TextOf(d, "degree"), QStringLiteral("W013.0"));
    QCOMPARE(TextOf(d, "name"), QStringLiteral("TYPED"));
    QCOMPARE(d.Form().satellite.selected, 1);
    QVERIFY(reporter.boxes.empty());
  }

  void anAngleThatIsNoNumberKeepsThePreviousData() {
    RecordingReporter reporter;
    AnalogChannelDialog d(AnalogPreset(), NewSetup(), reporter);
    Find<QComboBox>(d, "satelliteName")->setCurrentIndex(1);
    Find<QComboBox>(d, "satelliteName")->setCurrentIndex(2);
    QCOMPARE(reporter.boxes,
             (std::vector<std::string>{"ERROR in converting degree format!!!", "Degree format ERROR!!!"}));
    QCOMPARE(TextOf(d, "lnbHigh"), QStringLiteral("10700"));
    QCOMPARE(TextOf(d, "degree"), QStringLiteral("W013.0"));
  }

  void analogListsHoldTheirEntriesInOrderAndReadBackPositions() {
    RecordingReporter reporter;
    AnalogChannelDialog d(AnalogPreset(), NewSetup(), reporter);
    QCOMPARE(d.windowTitle(), QStringLiteral("Setting Analog Channel....New"));
    const std::pair<const char*, QStringList> lists[] = {
        {"videoBand", {"18MHz", "27MHz"}},
        {"decoderOutput", {"CVBS", "DEEMP_CVBS", "BASEBAND", "CANAL"}},
        {"audioMode", {"STEREO", "MONO_LEFT", "MONO_RIGHT"}},
        {"bandWidth", {"130", "180", "280", "300", "400"}},
        {"deEmphasis", {"NO_DEEMP", "U50", "U75", "J17"}},
    };
    for (const auto& [name, entries] : lists) {
      auto* list = Find<QComboBox>(d, name);
      QStringList shown;
      for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
      QCOMPARE(shown, entries);
      QCOMPARE(list->currentIndex(), 0);
    }
    auto* audioMode = Find<QComboBox>(d, "audioMode");
    audioMode->setCurrentIndex(audioMode->findText(QStringLiteral("MONO_RIGHT")));
    Find<QComboBox>(d, "deEmphasis")->setCurrentIndex(3);
    Find<QRadioButton>(d, "signalBandSecond")->click();
    Find<QRadioButton>(d, "dnrSecond")->click();
    FillValidAnalog(d);
    d.show();
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const AnalogChannelForm f = d.Form();
    QCOMPARE(f.audioMode, 2);
    QCOMPARE(f.deEmphasis, 3);
    QVERIFY(!f.cBand);
    QVERIFY(!f.dnrYes);
    QVERIFY(f.horizontal);  // its own pair, untouched by the other radio buttons
    QVERIFY(f.tv);
  }

  void refusedValuesKeepTheDialogOpen() {
    RecordingReporter reporter;
    DigitalChannelDialog d(DigitalPreset(), NewSetup(), reporter);
    d.show();
    FillValidDigital(d);
    Type(d, "frequency", "117");
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(reporter.boxes,
             std::vector<std::string>{"Frequency[MHz] must be 4 or 5 digits (0-9), such as 11727."});
    Type(d, "frequency", "11727");
    Type(d, "name", "CHANNEL END");
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(reporter.boxes.size(), size_t{2});
    Type(d, "name", "FINE");
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.Form().svcId, std::string("1f"));

    RecordingReporter analogReporter;
    AnalogChannelDialog a(AnalogPreset(), NewSetup(), analogReporter);
    a.show();
    QTest::mouseClick(Find<QPushButton>(a, "ok"), Qt::LeftButton);
    QVERIFY(a.isVisible());
    QCOMPARE(analogReporter.boxes, std::vector<std::string>{"Frequency not filled!"});
    FillValidAnalog(a);
    Type(a, "audioLeft", "65");
    QTest::mouseClick(Find<QPushButton>(a, "ok"), Qt::LeftButton);
    QVERIFY(a.isVisible());
    QCOMPARE(
        analogReporter.boxes.back(),
        std::string(
            "Audio Freq LEFT[MHz] must be written d.dd (a digit, a point and two digits), such as 6.50."));
  }

  void insertAndDeleteOnOkCloseAsOkDoes() {
    RecordingReporter reporter;
    DigitalChannelDialog d(DigitalPreset(), NewSetup(), reporter);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    FillValidDigital(d);
    QLineEdit* name = Find<QLineEdit>(d, "name");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Delete);  // Delete elsewhere edits the field
    QVERIFY(d.isVisible());
    QTest::keyClick(name, Qt::Key_Insert);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));

    AnalogChannelDialog a(AnalogPreset(), NewSetup(), reporter);
    a.show();
    QVERIFY(QTest::qWaitForWindowExposed(&a));
    FillValidAnalog(a);
    QPushButton* ok = Find<QPushButton>(a, "ok");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Delete);
    QVERIFY(!a.isVisible());
    QCOMPARE(a.result(), int(QDialog::Accepted));
  }

  void editDialogsOpenFilledAndCheckWhatChanged() {
    RecordingReporter reporter;
    const lumoscope::ChannelDialogSetup edit{SatelliteLines(), lumoscope::NameCodec(),
                                             lumoscope::DialogPurpose::Edit};
    // A PID channel of the list: its PIDs instead of a service ID, its name as UTF-8.
    DigitalChannelForm pidChannel = DigitalPreset();
    pidChannel.pid = true;
    pidChannel.name = "Caf\xC3\xA9";
    pidChannel.videoPid = "100";
    pidChannel.frequency = "11727";
    pidChannel.symbolRate = "27500";
    DigitalChannelDialog d(pidChannel, edit, reporter);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Setting Digital Channel....Edit"));
    QCOMPARE(TextOf(d, "name"), QString::fromUtf8("Caf\xC3\xA9"));
    QVERIFY(Find<QLineEdit>(d, "videoPid")->isEnabled() && !Find<QLineEdit>(d, "svcId")->isEnabled());

    // Thirteen characters fit although the accents take two bytes each in UTF-8; a
    // character the name encoding has no byte for keeps the dialog open.
    // (QTest types ASCII only: the other characters are put in as an input method would.)
    Find<QLineEdit>(d, "name")->setText(
        QString::fromUtf8("\xC5\x98"
                          "ad"));
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QVERIFY(d.isVisible());
    QCOMPARE(reporter.boxes.size(), size_t{1});
    QVERIFY(reporter.boxes[0].find("U+0158") != std::string::npos);
    Find<QLineEdit>(d, "name")->setText(QString::fromUtf8("K\xC3\xA4n\xC3\xA4l Unicod\xC3\xA9"));
    Type(d, "videoPid", QStringLiteral("200"));
    QTest::mouseClick(Find<QPushButton>(d, "ok"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.Form().name, std::string("K\xC3\xA4n\xC3\xA4l Unicod\xC3\xA9"));
    QCOMPARE(d.Form().videoPid, std::string("200"));

    AnalogChannelForm analogChannel = AnalogPreset();
    analogChannel.name = "NEWS";
    AnalogChannelDialog a(analogChannel, edit, reporter);
    QCOMPARE(a.windowTitle(), QStringLiteral("Setting Analog Channel....Edit"));
    QCOMPARE(TextOf(a, "name"), QStringLiteral("NEWS"));
  }

  void qtChannelDialogsReturnTheEnteredForm() {
    RecordingReporter reporter;
    QtChannelDialogs dialogs(reporter, nullptr);
    QTimer::singleShot(0, [] {
      auto* d = qobject_cast<DigitalChannelDialog*>(QApplication::activeModalWidget());
      if (!d) qFatal("no modal dialog");
      FillValidDigital(*d);
      Find<QComboBox>(*d, "satelliteName")->setCurrentIndex(1);
      Find<QRadioButton>(*d, "polaritySecond")->click();
      QTest::mouseClick(Find<QPushButton>(*d, "ok"), Qt::LeftButton);
    });
    DigitalChannelForm form = DigitalPreset();
    QVERIFY(dialogs.RunDigital(form, NewSetup()));
    QCOMPARE(form.name, std::string("NEW ONE"));
    QCOMPARE(form.satellite.selected, 1);
    QVERIFY(!form.horizontal);

    QTimer::singleShot(0, [] {
      auto* a = qobject_cast<AnalogChannelDialog*>(QApplication::activeModalWidget());
      if (!a) qFatal("no modal dialog");
      QTest::mouseClick(Find<QPushButton>(*a, "cancel"), Qt::LeftButton);
    });
    AnalogChannelForm analog = AnalogPreset();
    QVERIFY(!dialogs.RunAnalog(analog, NewSetup()));
  }
};

QTEST_MAIN(ChannelDialogsTest)
#include "channel_dialogs_test.moc"
