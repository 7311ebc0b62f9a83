#pragma once

// Tables of a .kws document, version 1 (docs/file-formats.md is the reference).
// Rows and columns are the sheet's own numbers: 1-based, 0 = header row/column.

namespace grid::kws {

inline constexpr const char* kFormatName = "tvl-grid-sheet";

inline constexpr const char* kCreateTables = R"SQL(
CREATE TABLE document (key TEXT PRIMARY KEY NOT NULL, value) WITHOUT ROWID;
CREATE TABLE options (number INTEGER PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE cell_rows (row INTEGER PRIMARY KEY, cells BLOB NOT NULL);
CREATE TABLE formulas (row INTEGER NOT NULL, col INTEGER NOT NULL, formula TEXT NOT NULL,
                       PRIMARY KEY (row, col)) WITHOUT ROWID;
CREATE TABLE formats (id INTEGER PRIMARY KEY, has_font INTEGER NOT NULL, font_name TEXT NOT NULL,
                      font_height INTEGER NOT NULL, font_weight INTEGER NOT NULL, italic INTEGER NOT NULL,
                      underline INTEGER NOT NULL, strikeout INTEGER NOT NULL, back INTEGER NOT NULL,
                      fore INTEGER NOT NULL, border_sides INTEGER NOT NULL, border_style INTEGER NOT NULL,
                      border_color INTEGER NOT NULL, h_align INTEGER NOT NULL, v_align INTEGER NOT NULL,
                      locked INTEGER NOT NULL);
CREATE TABLE cell_types (id INTEGER PRIMARY KEY, code INTEGER NOT NULL, style INTEGER NOT NULL,
                         max_length INTEGER NOT NULL, decimals INTEGER NOT NULL, min_value REAL NOT NULL,
                         max_value REAL NOT NULL, items TEXT NOT NULL, text TEXT NOT NULL,
                         picture TEXT NOT NULL, picture_on TEXT NOT NULL, picture_off TEXT NOT NULL);
CREATE TABLE cell_attributes (row INTEGER NOT NULL, col INTEGER NOT NULL, tag TEXT, note TEXT,
                              type_id INTEGER REFERENCES cell_types(id),
                              format_id INTEGER REFERENCES formats(id),
                              PRIMARY KEY (row, col)) WITHOUT ROWID;
CREATE TABLE spans (col INTEGER NOT NULL, row INTEGER NOT NULL, cols INTEGER NOT NULL, rows INTEGER NOT NULL,
                    PRIMARY KEY (col, row)) WITHOUT ROWID;
CREATE TABLE column_widths (col INTEGER PRIMARY KEY, width_px INTEGER NOT NULL);
CREATE TABLE row_heights (row INTEGER PRIMARY KEY, height_px INTEGER NOT NULL);
)SQL";

// Keys of the `document` table.
inline constexpr const char* kKeyFormat = "format";
inline constexpr const char* kKeyMaxCols = "max_cols";
inline constexpr const char* kKeyMaxRows = "max_rows";
inline constexpr const char* kKeyRefStyle = "ref_style";
inline constexpr const char* kKeyUnitType = "unit_type";
inline constexpr const char* kKeyCellCount = "cell_count";
inline constexpr const char* kKeyFormulaCount = "formula_count";
inline constexpr const char* kKeyAttributeCount = "attribute_count";
inline constexpr const char* kKeyFormulaStyle = "formula_style";

} // namespace grid::kws
