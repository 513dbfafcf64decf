// download and upload: the transfers with the receiver, on the port chosen by number or
// on any serial device by path.
#include <cstdio>
#include <memory>
#include <string>

#include "base/DerivedNames.h"
#include "base/Interruption.h"
#include "cli/BatchList.h"
#include "cli/Commands.h"
#include "cli/ConsoleReporter.h"
#include "cli/LinkOptions.h"
#include "database/ListDB.h"
#include "transfer/Download.h"
#include "transfer/HexToBin.h"
#include "transfer/PrivateFolder.h"
#include "transfer/Upload.h"

namespace lumoscope::cli {
namespace {

bool HasExtension(const std::string& path, const char* ext) {
  const std::string lower = [&] {
    std::string s = path;
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  }();
  const std::string e = ext;
  return lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
}

int Download(const LinkArgs& args, const std::string& image) {
  ConsoleReporter reporter;
  Link link;
  SetUpLink(args, link);
  std::string binPath = image;
  CListDB db(reporter, link.options);
  db.linkFactory = &link.factory;
  if (HasExtension(image, ".hex")) {
    // The conversion names its input and output after a text file beside the image.
    db.SetFilePath(image.substr(0, image.size() - 4) + ".txt");
    if (!ConvertHexToBin(db)) {
      reporter.MessageBox("Making a BIN file is failed!");
      return kExitFailure;
    }
    binPath = DerivedPath(db.FilePath(), kExtBin);
  }
  const bool ok = DownloadImage(db, binPath);
  reporter.SetProgress(0, kProgressRemove);
  return ok ? kExitSuccess : kExitFailure;
}

int Upload(const LinkArgs& args, const std::string& out) {
  ConsoleReporter reporter;
  // A list given to be replaced is treated as the editing commands treat one.
  if (!out.empty() && RefusedAsReadOnly(out, reporter)) return kExitFailure;
  Link link;
  SetUpLink(args, link);
  CListDB db(reporter, link.options);
  db.linkFactory = &link.factory;
  const std::string path = out.empty() ? UploadFilePath() : out;
  const bool ok = UploadChannelListTo(db, path, UploadFolderPath());
  reporter.SetProgress(0, kProgressRemove);
  if (ok) reporter.ShowMessage(path + "\n");
  return ok ? kExitSuccess : kExitFailure;
}

}  // namespace

void AddTransferCommands(CLI::App& app, int& exitCode) {
  auto downloadArgs = std::make_shared<LinkArgs>();
  auto image = std::make_shared<std::string>();
  CLI::App* download =
      app.add_subcommand("download", "flash a .bin image (a .hex is converted first) into the receiver");
  AddLinkOptions(*download, *downloadArgs);
  download->add_option("IMAGE", *image, "IMAGE.bin or IMAGE.hex")->required();
  download->callback([downloadArgs, image, &exitCode] { exitCode = Download(*downloadArgs, *image); });

  auto uploadArgs = std::make_shared<LinkArgs>();
  auto out = std::make_shared<std::string>();
  CLI::App* upload = app.add_subcommand("upload", "fetch the receiver's channel list through its console");
  AddLinkOptions(*upload, *uploadArgs);
  upload->add_option("-o,--output", *out, "where to write the list (default: the fixed upload file)");
  upload->callback([uploadArgs, out, &exitCode] { exitCode = Upload(*uploadArgs, *out); });
}

}  // namespace lumoscope::cli
