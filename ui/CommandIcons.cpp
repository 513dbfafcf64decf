#include "ui/CommandIcons.h"

#include <QColor>
#include <QStyle>

#include "shell/DocumentCommands.h"
#include "ui/AppIcon.h"
#include "ui/CommandLayout.h"

namespace lumoscope::ui {

QIcon CommandIcon(int id, const QStyle& style) {
  switch (id) {
    case cmd::kOpen:
      return style.standardIcon(QStyle::SP_DialogOpenButton);
    case cmd::kSave:
      return style.standardIcon(QStyle::SP_DialogSaveButton);
    case cmd::kSaveAs:
      return GlyphIcon(QStringLiteral("As"), QColor(0x2e, 0x6d, 0xb4));
    case kPrintCommand:
      return GlyphIcon(QStringLiteral("P"), QColor(0x80, 0x80, 0x80));
    case cmd::kAbout:
      return style.standardIcon(QStyle::SP_MessageBoxInformation);
    case cmd::kBasicCompile:
      return GlyphIcon(QStringLiteral("B"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kPreinstalledOneList:
      return GlyphIcon(QStringLiteral("P1"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kPreinstalledSplitList:
      return GlyphIcon(QStringLiteral("PS"), QColor(0x8a, 0x5a, 0x00));
    case cmd::kDownloadCurrentList:
      return GlyphIcon(QStringLiteral("\u2193"), QColor(0xb0, 0x30, 0x30));
    case cmd::kDownloadOthers:
      return GlyphIcon(QStringLiteral("\u21ca"), QColor(0xb0, 0x30, 0x30));
    case cmd::kUpload:
      return GlyphIcon(QStringLiteral("\u2191"), QColor(0x2e, 0x8b, 0x57));
    case viewcmd::kMakeNewChannel:
      return GlyphIcon(QStringLiteral("+"), QColor(0x2e, 0x8b, 0x57));
    case viewcmd::kInsertNullChannel:
      return GlyphIcon(QStringLiteral("_"), QColor(0x55, 0x55, 0x55));
    case viewcmd::kDeleteChannel:
      return style.standardIcon(QStyle::SP_TrashIcon);
    case viewcmd::kUndo:
      return style.standardIcon(QStyle::SP_ArrowBack);
    case viewcmd::kSortSatTypeName:
      return GlyphIcon(QStringLiteral("S1"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kSortSatTypeFreqName:
      return GlyphIcon(QStringLiteral("S2"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kSortSatTypeBouquetName:
      return GlyphIcon(QStringLiteral("S3"), QColor(0x5b, 0x3f, 0x99));
    case viewcmd::kViewDigital:
      return GlyphIcon(QStringLiteral("D"), QColor(0x1f, 0x4e, 0x8c));
    case viewcmd::kViewAnalog:
      return GlyphIcon(QStringLiteral("A"), QColor(0x1f, 0x4e, 0x8c));
    case viewcmd::kViewSatellites:
      return GlyphIcon(QStringLiteral("Sat"), QColor(0x1f, 0x4e, 0x8c));
    case cmd::kSettingOption:
      return GlyphIcon(QStringLiteral("\u2699"), QColor(0x44, 0x44, 0x44));
    default:
      return {};
  }
}

}  // namespace lumoscope::ui
