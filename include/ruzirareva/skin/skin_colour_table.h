#pragma once
// The skin colour table: the colours and flags the control skinners apply, fetched once per
// process from the face library (Facemanager's queries) by whoever reads the table first, and
// never reloaded. Before that, and where the face library is unbound, the entries hold
// the client's initial values; the variables below are the entries the client exports, every
// other entry is read by element and attribute. Colours are 0x00BBGGRR or 0x80000000 + a
// system colour index. UI thread only: the load is not synchronised.
#include <cstdint>
#include <string>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API extern uint32_t HmMenuPenColor;
RUZI_API extern uint32_t HmMenuMouseOverPenColor;
RUZI_API extern uint32_t HmMenuMouseFontColorBase;
RUZI_API extern uint32_t HmMenuMouseFontColor;
RUZI_API extern uint32_t TAB_FONT_COLOR_OVER;
RUZI_API extern uint32_t TAB_FONT_COLOR_NORMAL;
RUZI_API extern uint32_t SpeedButtonFontColor;
RUZI_API extern uint32_t LABEL_FONOT_COLOR;
RUZI_API extern bool LABEL_TRANSPARENT;
RUZI_API extern uint32_t QXEDITCOLOR;
RUZI_API extern uint32_t QXEDITFONTCOLOR;
RUZI_API extern uint32_t QxFormCaptionFontColor;
RUZI_API extern uint32_t QxFormDrawColor;

// The frame elements' font ("fontcolor") and background ("BgColor") colours, and the three
// code frames' "textsettingsbackgroundcolor".
RUZI_API extern uint32_t gfmFundcolor;
RUZI_API extern uint32_t gfmAssetColor;
RUZI_API extern uint32_t gfmCombiColor;
RUZI_API extern uint32_t gfmStockholderColor;
RUZI_API extern uint32_t gfmSeatColor;
RUZI_API extern uint32_t gfmMarketColor;
RUZI_API extern uint32_t gfmDictionaryColor;
RUZI_API extern uint32_t gfmOperatorColor;
RUZI_API extern uint32_t gfmEntrustdirectionColor;
RUZI_API extern uint32_t gfmQdstockcodeColor;
RUZI_API extern uint32_t gfmStockcodeColor;
RUZI_API extern uint32_t gfmFullstockcodeColor;
RUZI_API extern uint32_t gfmStocktypeColor;
RUZI_API extern uint32_t gfmTraderivalColor;
RUZI_API extern uint32_t gfmaccountgroup;
RUZI_API extern uint32_t gfmFundBgColor;
RUZI_API extern uint32_t gfmAssetBgColor;
RUZI_API extern uint32_t gfmCombiBgColor;
RUZI_API extern uint32_t gfmStockholderBgColor;
RUZI_API extern uint32_t gfmSeatBgColor;
RUZI_API extern uint32_t gfmMarketBgColor;
RUZI_API extern uint32_t gfmDictionaryBgColor;
RUZI_API extern uint32_t gfmOperatorBgColor;
RUZI_API extern uint32_t gfmEntrustdirectionBgColor;
RUZI_API extern uint32_t gfmQdstockcodeBgColor;
RUZI_API extern uint32_t gfmStockcodeBgColor;
RUZI_API extern uint32_t gfmFullstockcodeBgColor;
RUZI_API extern uint32_t gfmStocktypeBgColor;
RUZI_API extern uint32_t gfmTraderivalBgColor;
RUZI_API extern uint32_t gfmaccountgroupBgColor;
RUZI_API extern uint32_t gfmQdstockcodeBackGroundColor;
RUZI_API extern uint32_t gfmStockcodeBackGroundColor;
RUZI_API extern uint32_t gfmFullStockcodeBackGroundColor;

// One entry as the table holds it now.
struct SkinTableEntry {
  std::string family;  // "parent" or "child"
  std::string element;
  std::string attribute;
  bool flag;  // a boolean entry (value 1 or 0)
  uint32_t value;
};
// Every entry in load order, without loading the table.
RUZI_API std::vector<SkinTableEntry> SkinTableEntries();

// Fills the table from the face library unless it is already loaded.
RUZI_API void LoadSkinColourTable();
RUZI_API bool SkinColourTableLoaded();
// An entry by its element and attribute (byte-exact, "titlefontcolor " with its blank), the
// table loaded first; a flag entry reads 1 or 0. Throws ruzi::Error for a pair not in the table.
RUZI_API uint32_t GetSkinTableValue(const std::string& element, const std::string& attribute);

}  // namespace ruzi
