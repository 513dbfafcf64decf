#include "shell/ListColours.h"

#include "shell/SettingsKeys.h"

namespace lumoscope {

using namespace settings;

Colour ReadTextColour(const ISettingsStore& store) {
  return MakeColour(store.GetInt(kListSection, kTextRedKey, kTextRedDefault),
                    store.GetInt(kListSection, kTextGreenKey, kTextGreenDefault),
                    store.GetInt(kListSection, kTextBlueKey, kTextBlueDefault));
}

Colour ReadBackgroundColour(const ISettingsStore& store) {
  return MakeColour(store.GetInt(kListSection, kBackRedKey, kBackRedDefault),
                    store.GetInt(kListSection, kBackGreenKey, kBackGreenDefault),
                    store.GetInt(kListSection, kBackBlueKey, kBackBlueDefault));
}

ListColours LoadListColours(const ISettingsStore& store) {
  const int size = store.GetInt(kListSection, kFontSizeKey, kFontSizeDefault);
  const std::string name = store.GetString(kListSection, kFontNameKey, kFontNameDefault);
  ListColours colours;
  if (size != 0 && !name.empty()) {
    colours.background = colours.textBackground = ReadBackgroundColour(store);
    colours.text = ReadTextColour(store);
    colours.saved = true;
  }
  return colours;
}

void SaveColours(ISettingsStore& store, int fontSize, const std::string& fontName, Colour text,
                 Colour background) {
  store.SetInt(kListSection, kFontSizeKey, fontSize);
  store.SetString(kListSection, kFontNameKey, fontName);
  store.SetInt(kListSection, kTextRedKey, RedOf(text));
  store.SetInt(kListSection, kTextGreenKey, GreenOf(text));
  store.SetInt(kListSection, kTextBlueKey, BlueOf(text));
  store.SetInt(kListSection, kBackRedKey, RedOf(background));
  store.SetInt(kListSection, kBackGreenKey, GreenOf(background));
  store.SetInt(kListSection, kBackBlueKey, BlueOf(background));
}

}  // namespace lumoscope
