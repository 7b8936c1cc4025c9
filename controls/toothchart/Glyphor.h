// The tooth-chart library (target glyphor): tooth-part code, quadrant notation, marked text, tooth glyphs
// and the part and text cell pictures, for the program's screens, the record book and printing.
//
//   ToothPartCode.h   namespace ToothPartCode: kEmpty, isCompressed, blockOf, stateAt(code, quadrant,
//                     tooth), indexOf, isPresentPermanent (a g h), isPresentDeciduous (b g h, teeth 1-5),
//                     isOccupiedPermanent (the mask's rule), hasBridgeContent, hasNoTooth, tokensOf,
//                     normalizeForSplitter (the splitter's "0" padding), buildFromCells (the panel's).
//   QuadSplitter.h    QuadNotation {ur uc ul dr dc dl, urb ulb drb dlb, compress} and
//                     QuadSplitter::split(code): the six texts and four masks, never failing.
//   PartControl.h     the splitter as hosted: setPPoStrParts33, PSuSeparation, PPoStrUR ... PPoStrDLB,
//                     PPoBolCompress, FuBolCheckBridge. A plain object (its label cross is never shown).
//   DTextMarkup.h     the one reader of marked text: tokenize / elementAt (Kind Char, LineBreak, Half,
//                     Circle, Glyph, Other; "/{/}" is one literal element), glyphOf(inner) -> code and
//                     part text, removeLineFeeds.
//   DentalPartModel.h the entry panel's logic without widgets: cells, change table, tooth buttons,
//                     presets, clearing, the range button, input modes, the code, area words.
//   MdlToolCommon.h   PSuDrawLine(surface, colour, x1, y1, x2, y2, width).
//   GlyphLayout.h     tokenDisplay/displayText, measure(QuadNotation, surface) -> Cross, and
//                     paint(target or nullptr, measureOn, notation, noTooth, partText, offX, offY, Options):
//                     the glyph in twips; Rules::Screen for the control, Rules::Print for paper (rectangle
//                     offset in Options::originPx, lines with the target's current pen, smaller "◯").
//   GlyphRenderer.h   the glyph control without a window (code, part text, delete mark, font, colours,
//                     PSuDraw on its own surface or any surface, measure, PPoDrawWidth/Height).
//   DrawGlyphor.h     the glyph widget: own 96-dpi surface, size fitting, signals Click and DblClick.
//   PicPart.h         part picture: CellWidth/Height, code, text, delete mark, PSuRedraw, Picture (QImage).
//   PicText.h         text cell picture: colours, cell geometry, Font/FontFullDP/FontHalfDP,
//                     setPPoStrDText (draws at once), CellRows, Picture (QImage).
//
// Pictures are QImage values; the grid takes them as QPixmap::fromImage(picture).
#pragma once

#include "controls/toothchart/DTextMarkup.h"
#include "controls/toothchart/DentalPartModel.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "controls/toothchart/GlyphLayout.h"
#include "controls/toothchart/GlyphRenderer.h"
#include "controls/toothchart/MdlToolCommon.h"
#include "controls/toothchart/PartControl.h"
#include "controls/toothchart/PicPart.h"
#include "controls/toothchart/PicText.h"
#include "controls/toothchart/QuadSplitter.h"
#include "controls/toothchart/ToothPartCode.h"
