// The skin colour table: one row per entry, in the order the face library is asked.
#include "ruzirareva/skin/skin_colour_table.h"

#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/face_manager.h"

namespace ruzi {

// The exported entries, holding their initial values until the table loads.
uint32_t HmMenuPenColor = 0xC3C3C3;
uint32_t HmMenuMouseOverPenColor = 0x000000;
uint32_t HmMenuMouseFontColorBase = 0x755912;
uint32_t HmMenuMouseFontColor = 0xFFFFFF;
uint32_t TAB_FONT_COLOR_OVER = 0xF7AE67;
uint32_t TAB_FONT_COLOR_NORMAL = 0x666666;
uint32_t SpeedButtonFontColor = 0x000000;
uint32_t LABEL_FONOT_COLOR = 0x80000008;
bool LABEL_TRANSPARENT = false;
uint32_t QXEDITCOLOR = 0x80000008;
uint32_t QXEDITFONTCOLOR = 0x80000008;
uint32_t gfmFundcolor = 0x80000008;
uint32_t gfmAssetColor = 0x80000008;
uint32_t gfmCombiColor = 0x80000008;
uint32_t gfmStockholderColor = 0x80000008;
uint32_t gfmSeatColor = 0x80000008;
uint32_t gfmMarketColor = 0x80000008;
uint32_t gfmDictionaryColor = 0x80000008;
uint32_t gfmOperatorColor = 0x80000008;
uint32_t gfmEntrustdirectionColor = 0x80000008;
uint32_t gfmQdstockcodeColor = 0x80000008;
uint32_t gfmStockcodeColor = 0x80000008;
uint32_t gfmFullstockcodeColor = 0x80000008;
uint32_t gfmStocktypeColor = 0x80000008;
uint32_t gfmTraderivalColor = 0x80000008;
uint32_t gfmaccountgroup = 0x80000008;
uint32_t gfmQdstockcodeBackGroundColor = 0xF4F4F4;
uint32_t gfmStockcodeBackGroundColor = 0xF4F4F4;
uint32_t gfmFullStockcodeBackGroundColor = 0xF4F4F4;
uint32_t gfmFundBgColor = 0xFCFBFB;
uint32_t gfmAssetBgColor = 0xFCFBFB;
uint32_t gfmCombiBgColor = 0xFCFBFB;
uint32_t gfmStockholderBgColor = 0xFCFBFB;
uint32_t gfmSeatBgColor = 0xFCFBFB;
uint32_t gfmMarketBgColor = 0xFCFBFB;
uint32_t gfmDictionaryBgColor = 0xFCFBFB;
uint32_t gfmOperatorBgColor = 0xFCFBFB;
uint32_t gfmEntrustdirectionBgColor = 0xFCFBFB;
uint32_t gfmQdstockcodeBgColor = 0xFCFBFB;
uint32_t gfmStockcodeBgColor = 0xFCFBFB;
uint32_t gfmFullstockcodeBgColor = 0xFCFBFB;
uint32_t gfmStocktypeBgColor = 0xFCFBFB;
uint32_t gfmTraderivalBgColor = 0xFCFBFB;
uint32_t gfmaccountgroupBgColor = 0xFCFBFB;
uint32_t QxFormCaptionFontColor = 0xFFFFFF;
uint32_t QxFormDrawColor = 0x0000FF;
namespace {

enum class SkinQuery { kParentColour, kChildColour, kChildFlag };

// An entry lives in its exported variable (colour or flag) when it has one, else in `value`.
struct SkinTableRow {
  SkinQuery query;
  const char* element;
  const char* attribute;
  uint32_t value;
  uint32_t* colour;
  bool* flag;
};

// Parent queries all ask "mainform"; the attributes are byte-exact ("titlefontcolor " keeps
// its blank).
SkinTableRow table[] = {
    {SkinQuery::kParentColour, "mainform", "hmmenupencolor", 0, &HmMenuPenColor, nullptr},
    {SkinQuery::kParentColour, "mainform", "hmmenumouseoverpencolor", 0, &HmMenuMouseOverPenColor, nullptr},
    {SkinQuery::kParentColour, "mainform", "hmmenumousefontcolorbase", 0, &HmMenuMouseFontColorBase, nullptr},
    {SkinQuery::kParentColour, "mainform", "hmmenumousefontcolor", 0, &HmMenuMouseFontColor, nullptr},
    {SkinQuery::kParentColour, "mainform", "SelectedBrushColor2", 0xF7AE67, nullptr, nullptr},
    {SkinQuery::kParentColour, "mainform", "NormalBrushColor", 0xFF0000, nullptr, nullptr},
    {SkinQuery::kParentColour, "mainform", "MainFormFontColor1", 0x666666, nullptr, nullptr},
    {SkinQuery::kParentColour, "mainform", "MainFormFontColor2", 0x333333, nullptr, nullptr},
    {SkinQuery::kParentColour, "mainform", "MainFormFontColor3", 0x80000011, nullptr, nullptr},
    {SkinQuery::kChildColour, "pagecontrol", "tabfontcolorover", 0, &TAB_FONT_COLOR_OVER, nullptr},
    {SkinQuery::kChildColour, "pagecontrol", "tabfontcolornormal", 0, &TAB_FONT_COLOR_NORMAL, nullptr},
    {SkinQuery::kChildColour, "pagecontrol", "speedbuttonfontcolor", 0, &SpeedButtonFontColor, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "titlefontcolor ", 0x666666, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "linecolor", 0xFFFFFF, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "BgColor", 0xFFFFFF, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "fontcolor", 0x333333, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "fixedcolor", 0xF7F7F7, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "footercolor", 0xF7F7F7, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "footerfontcolor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "selectedcolornormal", 0x999999, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "evencolor", 0xF7F7F7, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgrideh", "titlebackcolor", 0xEEEEEE, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "titlefontcolor ", 0x00E0E8, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "linecolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "BgColor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "fontcolor", 0x00E0E8, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "fixedcolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "footercolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "footerfontcolor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "selectedcolornormal", 0x999999, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "evencolor", 0xF7F7F7, nullptr, nullptr},
    {SkinQuery::kChildColour, "dbgridehhq", "titlebackcolor", 0xEEEEEE, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkabledbgrid", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkabledbgrid", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkabledbgrid", "fixedcolor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkabledbgrid", "titlefontcolor ", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "button", "fontcolorover", 0xF7AE67, nullptr, nullptr},
    {SkinQuery::kChildColour, "button", "fontcolorfoced", 0xF7AE67, nullptr, nullptr},
    {SkinQuery::kChildColour, "button", "fontcolordisable", 0xC0C0C0, nullptr, nullptr},
    {SkinQuery::kChildColour, "button", "fontcolornormal", 0x666666, nullptr, nullptr},
    {SkinQuery::kChildColour, "panel", "BgColor", 0xFCFBFB, nullptr, nullptr},
    {SkinQuery::kChildColour, "panel", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "edit", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "edit", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "edit", "disablecolor", 0xF6F6F6, nullptr, nullptr},
    {SkinQuery::kChildColour, "combobox", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "combobox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkbox", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "checkbox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "qxcheckcombo", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "qxcheckcombo", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "listbox", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "listbox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "checklistbox", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "checklistbox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "label", "fontcolor", 0, &LABEL_FONOT_COLOR, nullptr},
    {SkinQuery::kChildFlag, "label", "transparent", 0, nullptr, &LABEL_TRANSPARENT},
    {SkinQuery::kChildColour, "qxedit", "BgColor", 0, &QXEDITCOLOR, nullptr},
    {SkinQuery::kChildColour, "qxedit", "fontcolor", 0, &QXEDITFONTCOLOR, nullptr},
    {SkinQuery::kChildColour, "qrlabel", "BgColor", 0xFFFFFF, nullptr, nullptr},
    {SkinQuery::kChildColour, "qrlabel", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildFlag, "qrlabel", "transparent", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "qrlabel", "framecolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "listview", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "listview", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "listview", "brushcolor", 0xEEEEEE, nullptr, nullptr},
    {SkinQuery::kChildColour, "listview", "brushfontcolor", 0x666666, nullptr, nullptr},
    {SkinQuery::kChildColour, "listview", "SelectedBrushColor", 0xFF9933, nullptr, nullptr},
    {SkinQuery::kChildColour, "treeview", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "treeview", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "treeview", "SelectedBrushColor", 0x808080, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxtreelist", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxtreelist", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagenumcolordefaultcolor", 0xFF0000, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagenumcoloractivecolor", 0x0078FF, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagenumcolorovercolor", 0x800080, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagenumcolordowncolor", 0x800080, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagesizecolordefaultcolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagesizecoloractivecolor", 0x0078FF, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagesizecolorovercolor", 0x0000FF, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagesizecolordowncolor", 0xFF0000, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagebuttoncolordefaultcolor", 0x000000, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagebuttoncoloractivecolor", 0xC0C0C0, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagebuttoncolorovercolor", 0x0000FF, nullptr, nullptr},
    {SkinQuery::kChildColour, "pageguide", "pagebuttoncolordowncolor", 0xFF0000, nullptr, nullptr},
    {SkinQuery::kChildColour, "radiobutton", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "radiobutton", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "toolbar", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "toolbar", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "statusbar", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "statusbar", "fontcolor", 0x80000012, nullptr, nullptr},
    {SkinQuery::kChildColour, "spinedit", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "spinedit", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "virtualstringtree", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "virtualstringtree", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "virtualstringtree", "background_color", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "virtualstringtree", "headerfontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "stringgrid", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "stringgrid", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "stringgrid", "fixedcolor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "memo", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "memo", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "bcedit", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "bcedit", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "statictext", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "statictext", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "groupbox", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "groupbox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "backcolor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "monthbackcolor", 0xFFFFFF, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "textcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "titlebackcolor", 0x80000002, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "titletextcolor", 0xFFFFFF, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "trailingtextcolor", 0x80000013, nullptr, nullptr},
    {SkinQuery::kChildColour, "datetimepicker", "pickerdowncolor", 0xF0CAA6, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxDbGrid", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxDbGrid", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxDbGrid", "headercolor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxDbGrid", "headerfontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "dxDbGrid", "groupnodecolor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "labelededit", "BgColor", 0x80000005, nullptr, nullptr},
    {SkinQuery::kChildColour, "labelededit", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "labelededit", "editlabelcolor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "labelededit", "editlabelfontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "scrollbox", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "scrollbox", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kChildColour, "radiogroup", "BgColor", 0x8000000F, nullptr, nullptr},
    {SkinQuery::kChildColour, "radiogroup", "fontcolor", 0x80000008, nullptr, nullptr},
    {SkinQuery::kParentColour, "mainform", "formbgcolor", 0xFCFBFB, nullptr, nullptr},
    {SkinQuery::kChildColour, "fmfund", "fontcolor", 0, &gfmFundcolor, nullptr},
    {SkinQuery::kChildColour, "fmasset", "fontcolor", 0, &gfmAssetColor, nullptr},
    {SkinQuery::kChildColour, "fmcombi", "fontcolor", 0, &gfmCombiColor, nullptr},
    {SkinQuery::kChildColour, "fmstockholder", "fontcolor", 0, &gfmStockholderColor, nullptr},
    {SkinQuery::kChildColour, "fmseat", "fontcolor", 0, &gfmSeatColor, nullptr},
    {SkinQuery::kChildColour, "fmmarket", "fontcolor", 0, &gfmMarketColor, nullptr},
    {SkinQuery::kChildColour, "fmdictionary", "fontcolor", 0, &gfmDictionaryColor, nullptr},
    {SkinQuery::kChildColour, "fmoperator", "fontcolor", 0, &gfmOperatorColor, nullptr},
    {SkinQuery::kChildColour, "fmentrustdirection", "fontcolor", 0, &gfmEntrustdirectionColor, nullptr},
    {SkinQuery::kChildColour, "fmqdstockcode", "fontcolor", 0, &gfmQdstockcodeColor, nullptr},
    {SkinQuery::kChildColour, "fmstockcode", "fontcolor", 0, &gfmStockcodeColor, nullptr},
    {SkinQuery::kChildColour, "fmfullstockcode", "fontcolor", 0, &gfmFullstockcodeColor, nullptr},
    {SkinQuery::kChildColour, "fmstocktype", "fontcolor", 0, &gfmStocktypeColor, nullptr},
    {SkinQuery::kChildColour, "fmtraderival", "fontcolor", 0, &gfmTraderivalColor, nullptr},
    {SkinQuery::kChildColour, "fmAccountGroup", "fontcolor", 0, &gfmaccountgroup, nullptr},
    {SkinQuery::kChildColour, "fmqdstockcode", "textsettingsbackgroundcolor", 0, &gfmQdstockcodeBackGroundColor, nullptr},
    {SkinQuery::kChildColour, "fmstockcode", "textsettingsbackgroundcolor", 0, &gfmStockcodeBackGroundColor, nullptr},
    {SkinQuery::kChildColour, "fmfullstockcode", "textsettingsbackgroundcolor", 0, &gfmFullStockcodeBackGroundColor, nullptr},
    {SkinQuery::kChildColour, "fmfund", "BgColor", 0, &gfmFundBgColor, nullptr},
    {SkinQuery::kChildColour, "fmasset", "BgColor", 0, &gfmAssetBgColor, nullptr},
    {SkinQuery::kChildColour, "fmcombi", "BgColor", 0, &gfmCombiBgColor, nullptr},
    {SkinQuery::kChildColour, "fmstockholder", "BgColor", 0, &gfmStockholderBgColor, nullptr},
    {SkinQuery::kChildColour, "fmseat", "BgColor", 0, &gfmSeatBgColor, nullptr},
    {SkinQuery::kChildColour, "fmmarket", "BgColor", 0, &gfmMarketBgColor, nullptr},
    {SkinQuery::kChildColour, "fmdictionary", "BgColor", 0, &gfmDictionaryBgColor, nullptr},
    {SkinQuery::kChildColour, "fmoperator", "BgColor", 0, &gfmOperatorBgColor, nullptr},
    {SkinQuery::kChildColour, "fmentrustdirection", "BgColor", 0, &gfmEntrustdirectionBgColor, nullptr},
    {SkinQuery::kChildColour, "fmqdstockcode", "BgColor", 0, &gfmQdstockcodeBgColor, nullptr},
    {SkinQuery::kChildColour, "fmstockcode", "BgColor", 0, &gfmStockcodeBgColor, nullptr},
    {SkinQuery::kChildColour, "fmfullstockcode", "BgColor", 0, &gfmFullstockcodeBgColor, nullptr},
    {SkinQuery::kChildColour, "fmstocktype", "BgColor", 0, &gfmStocktypeBgColor, nullptr},
    {SkinQuery::kChildColour, "fmtraderival", "BgColor", 0, &gfmTraderivalBgColor, nullptr},
    {SkinQuery::kChildColour, "fmAccountGroup", "BgColor", 0, &gfmaccountgroupBgColor, nullptr},
    {SkinQuery::kParentColour, "mainform", "qxformcaptionfontcolor", 0, &QxFormCaptionFontColor, nullptr},
    {SkinQuery::kParentColour, "mainform", "qxformdrawcolor", 0, &QxFormDrawColor, nullptr},};

bool loaded = false;

uint32_t Fetch(const SkinTableRow& row) {
  switch (row.query) {
    case SkinQuery::kParentColour:
      return GetSkinParentAttributeValueAsTColor(row.element, row.attribute);
    case SkinQuery::kChildColour:
      return GetSkinChildAttributeValueAsTColor(row.element, row.attribute);
    case SkinQuery::kChildFlag:
      return GetSkinChildAttributeValueAsBool(row.element, row.attribute) ? 1 : 0;
  }
  return 0;
}

void Store(SkinTableRow& row, uint32_t value) {
  if (row.colour) {
    *row.colour = value;
  } else if (row.flag) {
    *row.flag = value != 0;
  } else {
    row.value = value;
  }
}

uint32_t Read(const SkinTableRow& row) {
  if (row.colour) return *row.colour;
  if (row.flag) return *row.flag ? 1 : 0;
  return row.value;
}

}  // namespace

void LoadSkinColourTable() {
  if (loaded) return;
  loaded = true;
  // An unbound face library keeps the initial values: the queries would answer 0 for all.
  InitFaceManager();
  for (SkinTableRow& row : table) {
    const bool bound = row.query == SkinQuery::kParentColour  ? _GetSkinParentAttributeValueAsTColor_init != nullptr
                       : row.query == SkinQuery::kChildColour ? _GetSkinChildAttributeValueAsTColor_init != nullptr
                                                              : _GetSkinChildAttributeValueAsBool_init != nullptr;
    if (bound) Store(row, Fetch(row));
  }
}

bool SkinColourTableLoaded() { return loaded; }

std::vector<SkinTableEntry> SkinTableEntries() {
  std::vector<SkinTableEntry> entries;
  for (const SkinTableRow& row : table) {
    entries.push_back({row.query == SkinQuery::kParentColour ? "parent" : "child", row.element, row.attribute,
                       row.query == SkinQuery::kChildFlag, Read(row)});
  }
  return entries;
}

uint32_t GetSkinTableValue(const std::string& element, const std::string& attribute) {
  LoadSkinColourTable();
  for (const SkinTableRow& row : table) {
    if (element == row.element && attribute == row.attribute) return Read(row);
  }
  throw Error("no skin table entry " + element + "/" + attribute);
}

}  // namespace ruzi
