#include "kw/spreadsheet/format/CellTypeRecord.h"

#include <algorithm>

#include "platform/base/Encoding.h"
#include "platform/grid/engine/Sheet.h"

namespace kw {

CellTypeRecord readCellType(const grid::Sheet& sheet, int col, int row) {
    CellTypeRecord rec;
    const grid::CellType t = sheet.cellType(col, row);
    switch (t.code) {
    case grid::CellTypeCode::Number:
        rec.kind = CellTypeRecord::kNumber;
        rec.decimals = t.decimals;
        break;
    case grid::CellTypeCode::Edit:
        rec.kind = CellTypeRecord::kText;
        rec.maxLetters = t.maxLength;
        break;
    case grid::CellTypeCode::Picture:
        rec.kind = CellTypeRecord::kPicture;
        rec.pictureFile = base::fromUtf8(t.picture);
        break;
    default:
        return rec;
    }
    rec.rotation = t.style & grid::kStyleRotationMask;
    rec.style = t.style & ~grid::kStyleRotationMask;
    if (rec.kind == CellTypeRecord::kPicture)
        rec.style &= ~CellTypeRecord::kPictureBit;
    return rec;
}

bool applyCellType(grid::Sheet& sheet, const grid::CellRange& block, const CellTypeRecord& rec) {
    const uint32_t style =
        (rec.style & ~grid::kStyleRotationMask) | (rec.rotation & grid::kStyleRotationMask);
    grid::CellType t;
    switch (rec.kind) {
    case CellTypeRecord::kNumber:
        // A number type, so the cell reads back as "Getal" with its decimals.
        t = grid::CellType::numberType(
            std::clamp(rec.decimals, CellTypeRecord::kMinDecimals, CellTypeRecord::kMaxDecimals), 0,
            -1, style);
        break;
    case CellTypeRecord::kText:
        t = grid::CellType::edit(
            std::clamp(rec.maxLetters, CellTypeRecord::kMinLetters, CellTypeRecord::kMaxLetters),
            style);
        break;
    case CellTypeRecord::kPicture:
        t = grid::CellType::pictureType(base::toUtf8(rec.pictureFile),
                                        (style & ~grid::kStyleRotationMask) |
                                            CellTypeRecord::kPictureBit);
        break;
    default:
        return false;
    }
    return sheet.setCellType(block, t);
}

} // namespace kw
