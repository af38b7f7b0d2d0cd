#pragma once

namespace platform {

// The print layouts name Windows fonts. Maps each to its metric-compatible free font
// (Courier New -> Liberation Mono, Times New Roman -> Liberation Serif, Arial ->
// Liberation Sans, Arial Narrow -> Liberation Sans Narrow, Verdana -> DejaVu Sans),
// so the texts keep the widths the layouts were drawn for. Safe to call more than once.
void installFontSubstitutions();

} // namespace platform
