#pragma once

#include "platform/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class CODCommand;
class CODComponent;
class CODDrawingViewport;
class CODModel;

// What the property dialog shows and edits: the line, fill, font and text
// values of the first component of a collection that has each of them (its
// own or inherited through the parents). Applying compares with the values
// as read and changes only the fields that differ, on every member that has
// the property, so an unchanged field keeps each member's own value.
class CPropertyValues {
public:
    static constexpr int kBoldWeight = 700;
    static constexpr int kNormalWeight = 400;

    struct Line {
        bool used = false;
        bool transparent = false;
        COLORREF color = 0;
        int points = 1;
        int style = 0;  // solid, dash, dot, dash-dot, dash-dot-dot
        bool operator==(const Line&) const = default;
    };
    struct Fill {
        bool used = false;
        bool transparent = false;
        COLORREF color = 0;
        int style = 0;  // solid, hollow, hatched, pattern
        int hatch = 0;
        bool operator==(const Fill&) const = default;
    };
    struct Font {
        bool used = false;
        std::string face;
        int points = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        COLORREF color = 0;
        bool operator==(const Font&) const = default;
    };
    struct Text {
        bool used = false;
        // The text itself only when the collection holds one text component.
        bool editable = false;
        std::string text;
        int horizontal = 0;  // 0 left, 1 centre, 2 right
        int vertical = 0;    // 0 top, 4 centre, 8 bottom
        bool wordWrap = false;
        bool multiLine = false;
        bool operator==(const Text&) const = default;
    };

    // The values of the first member that has each property.
    static CPropertyValues Read(const std::vector<CODComponent*>& components);
    // The properties the viewport gives new components (no text page).
    static CPropertyValues ReadDefaults(const CODDrawingViewport& viewport);

    // One undoable step for the fields that differ from before: a property
    // command, with a text command in a macro when the text changed; none
    // when nothing changed.
    std::unique_ptr<CODCommand> MakeCommand(CODModel* pModel, const std::vector<CODComponent*>& components,
                                            const CPropertyValues& before) const;
    // The changed fields straight into the viewport's defaults.
    void ApplyToDefaults(CODDrawingViewport& viewport, const CPropertyValues& before) const;

    // Some page has values to show.
    bool IsAnyUsed() const { return line.used || fill.used || font.used || text.used; }

    bool operator==(const CPropertyValues&) const = default;

    Line line;
    Fill fill;
    Font font;
    Text text;
};
