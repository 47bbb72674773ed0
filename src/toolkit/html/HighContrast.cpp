#include "toolkit/html/HighContrast.h"

namespace html {

TColour HighContrastColour(const TDrawOp& op, bool marked, const TSystemColours& colours) {
    if (op.Kind == EDrawKind::Frame || op.Line)
        return colours.WindowText;
    if (op.Kind == EDrawKind::Text)
        return marked ? colours.HighlightText : colours.WindowText;
    return marked ? colours.Highlight : colours.Window;
}

}  // namespace html
