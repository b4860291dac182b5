#include "platform/ResourceStrings.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr const char* kUnitNames[IDS_UNIT_POINTS - IDS_UNIT_INCHES + 1] = {
    "Inches", "Feet", "Yards", "Miles", "Millimeters", "Centimeters", "Meters", "Kilometers", "Points"};

// The toolbars' captions, and the commands' prompts: the status-bar text, then
// after a line break the tool tip.
constexpr struct {
    unsigned int id;
    const char* text;
} kStrings[] = {
    {130, "Please Wait...."},
    {22067, "Alignment"},
    {22079, "Drawing"},
    {22100, "Nudge"},
    {22108, "Rotate"},
    {22109, "Standard"},
    {22110, "Structure"},
    {22113, "Zoom/Pan"},
    {32777, "Insert Box with Shadow.\nShadow Box"},
    {32779, "Insert Box\nBox"},
    {32780, "Insert a new image.\nNew Image"},
    {32783, "Show or hide the Rotate toolbar\nToggle  Rotate ToolBar"},
    {32784, "Show or hide the Nudge toolbar\nToggle Nudge"},
    {32785, "Show or hide the Alignment toolbar\nToggle Alignment"},
    {32786, "Show or hide the Structure toolbar\nToggle Structure"},
    {32787, "Show or hide the Drawing toolbar\nToggle Drawing"},
    {32788, "Show or hide the Symbols toolbar\nToggle Symbols"},
    {32790, "Toggle off all toolbars\nAll Toolbars off"},
    {32792, "Add an arrow link\nArrow Link"},
    {32793, "Add an  two way arrow link\n2 Arrow Link"},
    {32799, "Turn on all toolbars\nAll Toolbars On"},
    {32801, "Draw Curved Text\nCurve Text"},
    {32802, "Insert Port\nPort"},
    {32803, "Generation Connection Line\nConnection Line"},
    {32810, "Link two Objects Orthogonaly\nLink Orthogonal"},
    {32811, "Add an  two way arrow link Orthogonaly\n2 Arrow Link Orthogonal"},
    {32812, "Add an arrow link Orthogonal\nArrow Link Orthogonal"},
    {44500, "Align the bottom edges of the selection\nAlign Bottom"},
    {44501, "Align the selection on its vertical centre line\nAlign Center"},
    {44502, "Align the left edges of the selection\nAlign Left"},
    {44503, "Align the selection on its horizontal centre line\nAlign Middle"},
    {44504, "Align the right edges of the selection\nAlign Right"},
    {44505, "Align the top edges of the selection\nAlign Top"},
    {44507, "Send the selection behind every other component\nBack"},
    {44508, "Send the selection one step backward\nBackward"},
    {44514, "Draw a closed curve\nClosed Curve"},
    {44516, "Draw an ellipse\nEllipse"},
    {44518, "Draw a line\nLine"},
    {44520, "Draw a curve\nPolycurve"},
    {44521, "Draw a polygon\nPolygon"},
    {44522, "Draw a polyline\nPolyline"},
    {44524, "Draw a rectangle\nRectangle"},
    {44525, "Select components\nSelect"},
    {44526, "Insert text\nText"},
    {44528, "Edit the vertices of a line or shape\nEdit Vertices"},
    {44529, "Flip the selection around its vertical centre\nFlip Vertical"},
    {44530, "Flip the selection around its horizontal centre\nFlip Horizontal"},
    {44531, "Bring the selection one step forward\nForward"},
    {44532, "Rotate the selection freely\nRotate"},
    {44533, "Bring the selection in front of every other component\nFront"},
    {44536, "Group the selection\nGroup"},
    {44538, "Link symbols\nLink"},
    {44540, "Nudge the selection down\nNudge Down"},
    {44541, "Nudge the selection left\nNudge Left"},
    {44542, "Nudge the selection right\nNudge Right"},
    {44543, "Nudge the selection up\nNudge Up"},
    {44545, "Move the view with the mouse\nPan"},
    {44546, "Edit the properties of the selection\nProperties"},
    {44547, "Rotate the selection to the left\nRotate Left"},
    {44548, "Rotate the selection to the right\nRotate Right"},
    {44550, "Ungroup the selected groups\nUngroup"},
    {44553, "Zoom in or out with the mouse\nZoom"},
    {44560, "Zoom to show the whole chart\nZoom to Fit"},
    {44563, "Zoom to show the selection\nZoom to Selection"},
    {57600, "Create a new document\nNew"},
    {57601, "Open an existing document\nOpen"},
    {57603, "Save the active document\nSave"},
    {57607, "Print the active document\nPrint"},
    {57634, "Copy the selection and put it on the Clipboard\nCopy"},
    {57635, "Cut the selection and put it on the Clipboard\nCut"},
    {57637, "Insert Clipboard contents\nPaste"},
    {57643, "Undo the last action\nUndo"},
    {57644, "Redo the previously undone action\nRedo"},
    {57664, "Display program information, version number and copyright\nAbout"},
    {57669, "Open the user manual\nHelp"},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
};

constexpr bool IsSorted()
{
    for (std::size_t i = 1; i < std::size(kStrings); ++i)
        if (kStrings[i - 1].id >= kStrings[i].id)
            return false;
    return true;
}
static_assert(IsSorted(), "looked up by binary search");

}  // namespace

std::string ResourceStrings::Load(unsigned int id)
{
    if (id >= IDS_UNIT_INCHES && id <= IDS_UNIT_POINTS)
        return kUnitNames[id - IDS_UNIT_INCHES];
    switch (id) {
    case IDS_IMAGE_FILE_FILTER:
        return "Image Files |*.bmp;*.dib;*.jpg;*.pcx;*.tif;*.tiff;*.tga;|Window BMP Files (*.bmp)|*.bmp|"
               "Jpeg Files (*.jpg)|*.jpg|PCX Files (*.pcx)|*.pcx|TIFF Files (*.tif *.tiff)|*.tif;*.tiff|"
               "Targa Files (*.tga)|*.tga|All Files (*.*)|*.*||";
    case IDS_IMAGE_FILE_EXTENSION:
        return "bmp";
    case IDS_COMMAND_FILE_FILTER:
        return "Quorrel Command Files |*.ini;*.qrc|Quorrel Command INI Files (*.ini)|*.ini|"
               "Quorrel Command QRC Files (*.qrc)|*.qrc|All Files (*.*)|*.*||";
    case IDS_COMMAND_FILE_EXTENSION:
        return "ini";
    case IDS_IDLE_MESSAGE:
        return "For Help, press F1";
    case IDS_INDICATOR_CAPS:
        return "CAP";
    case IDS_INDICATOR_NUM:
        return "NUM";
    case IDS_INDICATOR_SCRL:
        return "SCRL";
    default:
        break;
    }
    const auto found = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
        [](const auto& entry, unsigned int nId) { return entry.id < nId; });
    return found != std::end(kStrings) && found->id == id ? found->text : std::string();
}
