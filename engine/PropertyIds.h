#pragma once

// Standard property ids; a compound property also owns id + 1 ... id + n,
// one for each of its fields in order.
constexpr int OD_PROP_LINE = 10;
constexpr int OD_PROP_FILL = 20;
constexpr int OD_PROP_FONT = 30;
constexpr int OD_PROP_EDIT = 40;
constexpr int OD_PROP_MODEL_EDIT = 50;
constexpr int OD_PROP_ORIENTATION = 60;
// A link's own switch, set by its constructor and kept for the editor.
constexpr int OD_PROP_LINK_SWITCH = 70;
constexpr int OD_PROP_PORT_CONNECTS = 80;
constexpr int OD_PROP_LINK_ROUTING = 90;
// While set, a change to the link re-routes it.
constexpr int OD_PROP_LINK_AUTO_ROUTE = 100;
constexpr int OD_PROP_HORZ_ALIGNMENT = 210;
constexpr int OD_PROP_VERT_ALIGNMENT = 220;
constexpr int OD_PROP_WORDBREAK = 230;
constexpr int OD_PROP_MULTILINE = 240;
constexpr int OD_PROP_AUTOSIZE = 250;
constexpr int OD_PROP_LINE_ORIENTATION = 260;
constexpr int OD_PROP_LABEL_SWITCH = 270;
constexpr int OD_PROP_ORTHOGONAL = 280;
constexpr int OD_PROP_RULER_ORIGIN = 290;
constexpr int OD_PROP_RULER_SPACING = 300;
constexpr int OD_PROP_RULER_DIVISIONS = 301;
constexpr int OD_PROP_TRANSPARENT_IMAGE = 310;
constexpr int OD_PROP_TRANSPARENT_COLOR = 320;
constexpr int OD_PROP_MARGIN_LEFT = 330;
constexpr int OD_PROP_MARGIN_TOP = 331;
constexpr int OD_PROP_MARGIN_RIGHT = 332;
constexpr int OD_PROP_MARGIN_BOTTOM = 333;

// Sub-ids of the line, fill, font and edit properties.
constexpr int OD_LINE_COLOR = 11;
constexpr int OD_LINE_TRANSPARENT = 12;
constexpr int OD_LINE_WIDTH = 13;
constexpr int OD_LINE_STYLE = 14;
constexpr int OD_FILL_COLOR = 21;
constexpr int OD_FILL_TRANSPARENT = 22;
constexpr int OD_FILL_STYLE = 23;
constexpr int OD_FILL_HATCH = 24;
constexpr int OD_FILL_BKMODE = 25;
constexpr int OD_FILL_BKCOLOR = 26;
constexpr int OD_FONT_FACE = 31;
constexpr int OD_FONT_POINTSIZE = 32;
constexpr int OD_FONT_HEIGHT = 33;
constexpr int OD_FONT_COLOR = 34;
constexpr int OD_FONT_WEIGHT = 35;
constexpr int OD_FONT_ITALIC = 36;
constexpr int OD_FONT_UNDERLINE = 37;
constexpr int OD_FONT_STRIKEOUT = 38;
constexpr int OD_EDIT_READONLY = 41;
constexpr int OD_EDIT_SELECTABLE = 42;
constexpr int OD_EDIT_MOVABLE = 43;
constexpr int OD_EDIT_ROTATABLE = 44;
constexpr int OD_EDIT_SCALABLE = 45;
constexpr int OD_EDIT_STRETCHABLE = 46;
constexpr int OD_EDIT_CANCHANGEPROPS = 47;
constexpr int OD_EDIT_VERTEXEDIT = 48;
constexpr int OD_EDIT_CONTAINMENT = 49;

// The field mask that copies every field.
constexpr unsigned OD_ALL_FIELDS = 0xFFFF;
