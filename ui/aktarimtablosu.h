// What a grid hands to the spreadsheet writers: the visible columns' captions and every
// row's cells as shown (numbers as numbers, everything else as text).
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace rvz {

struct TAktarimTablosu {
    QStringList basliklar;
    std::vector<bool> ikiOndalik; // per column: numbers shown with two decimals
    // Cells: double for numbers, QString for texts, invalid for empty cells.
    std::vector<std::vector<QVariant>> satirlar;
    std::vector<bool> vurgulu; // per row: group captions and footers, written in bold
};

} // namespace rvz
