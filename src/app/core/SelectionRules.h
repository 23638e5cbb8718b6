#pragma once

#include <QString>

// Which commands the object list's selection allows.
namespace SelectionRules {

struct Selection {
    int selectedCount = 0;
    int rowCount = 0;
    bool hasCurrentRow = false;
    QString currentName; // the text of the current row
};

struct Commands {
    bool extract = false;
    bool preview = false; // also: Preview is the default button instead of Extract
    bool palette = false;
    bool convert = false;
    bool selectAll = false;
    bool selectNone = false;
    QString selectedCaption;
};

Commands apply(const Selection& selection);

} // namespace SelectionRules
