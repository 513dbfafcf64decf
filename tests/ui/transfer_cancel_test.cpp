// Stopping a transfer from the window, against the receiver simulator on a
// pseudo-terminal: Esc during a download and the status bar's Cancel button during an
// upload end the transfer, say so, release the port and write no file.
#include <QDockWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "shell/DocumentCommands.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowFixture.h"
#include "tools/receiver-sim/ReceiverSim.h"
#include "transfer/CComm.h"
#include "transfer/Download.h"
#include "transfer/HexToBin.h"
#include "transfer/SystemClock.h"
#include "transfer/Upload.h"
#include "ui/MainWindowWiring.h"
#include "ui/TransferStopper.h"

using namespace lumoscope;
using namespace lumoscope::ui;

namespace {

constexpr int kSampleDigitalRows = 17;
constexpr int kPollMs = 20;

// Does `stop` once the transfer offers its Cancel button and no message box is up.
void StopOnceOffered(TransferStopper& stopper, std::function<void()> stop) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, &stopper, stop] {
    QPushButton* button = stopper.CancelButton();
    if (QApplication::activeModalWidget() != nullptr || !button->isVisible() || !button->isEnabled()) return;
    timer->stop();
    timer->deleteLater();
    stop();
  });
  timer->start(kPollMs);
}

bool PortFree(const std::string& device) {
  SystemClock clock;
  FileFailure failure;
  return CComm::Open(device, clock, failure) != nullptr;
}

}  // namespace

class TransferCancelTest : public QObject {
  Q_OBJECT

 private:
  uitest::WindowFixture fixture_;

  CMainFrame& Frame() { return fixture_.window->Frame(); }
  int Rows() {
    fixture_.window->List().Flush();
    return fixture_.window->List().Model().Rows();
  }
  void UseReceiver(sim::ReceiverSimulator& receiver) {
    QVERIFY(receiver.Open());
    Frame().Options().portNumber = 1;
    Frame().Options().devicePaths[0] = receiver.DevicePath();
    receiver.Start();
  }

 private slots:
  void init() {
    QVERIFY(fixture_.Start());
    const std::string list = fixture_.WorkFile("sample.txt");
    std::filesystem::copy_file(std::string(LUMOSCOPE_SOURCE_DIR) + "/examples/sample.txt", list);
    QVERIFY(fixture_.window->OpenFile(list));
  }
  void cleanup() { fixture_.Stop(); }

  void escStopsADownloadAndTheStepsStayInView() {
    sim::SimOptions options;
    options.silent = true;  // the PC waits for a receiver that never says it is ready
    sim::ReceiverSimulator receiver(options);
    UseReceiver(receiver);
    uitest::BoxAnswerer answerer;
    StopOnceOffered(Frame().Stopper(), [this] { QTest::keyClick(&Frame(), Qt::Key_Escape); });
    QTest::mouseClick(Frame().CommandButton(cmd::kDownloadCurrentList), Qt::LeftButton);
    QVERIFY(PortFree(receiver.DevicePath()));
    receiver.Stop();
    QCOMPARE(answerer.texts, (QStringList{QString::fromLatin1(kConversionDoneMessage),
                                          QString::fromLatin1(kDownloadCancelledMessage)}));
    QVERIFY(Frame().MessageWindow()->isVisible());
    QVERIFY(Frame().MessageText()->toPlainText().contains(QStringLiteral("Try to make connection")));
    QCOMPARE(Frame().TransferProgress(), nullptr);
    QVERIFY(!Frame().Stopper().CancelButton()->isVisible());
    // The window takes commands again.
    Frame().CommandAction(cmd::kViewAnalogChannels)->trigger();
    QVERIFY(Rows() != kSampleDigitalRows);
  }

  void cancelButtonStopsAnUploadAndNothingIsWritten() {
    sim::SimOptions options;
    options.channelList = "[SATELLITE_NAME_LIST]\n";
    options.listingEnd = sim::ListingEnd::Never;  // the console prints on and on
    sim::ReceiverSimulator receiver(options);
    UseReceiver(receiver);
    uitest::BoxAnswerer answerer;
    StopOnceOffered(Frame().Stopper(),
                    [this] { QTest::mouseClick(Frame().Stopper().CancelButton(), Qt::LeftButton); });
    QTest::mouseClick(Frame().CommandButton(cmd::kUpload), Qt::LeftButton);
    QVERIFY(PortFree(receiver.DevicePath()));
    receiver.Stop();
    QCOMPARE(answerer.texts, QStringList{QString::fromLatin1(kUploadCancelledMessage)});
    for (const char* name : {"VXRupload.txt", "VXRuploadRaw.txt", "VXRuploadTemp.txt"})
      QVERIFY2(!std::filesystem::exists(fixture_.WorkFile(name)), name);
    // The list that was open stays open.
    QCOMPARE(Rows(), kSampleDigitalRows);
    QCOMPARE(Frame().Document().CurrentPath(), fixture_.WorkFile("sample.txt"));
  }
};

QTEST_MAIN(TransferCancelTest)
#include "transfer_cancel_test.moc"
