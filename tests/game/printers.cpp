#include "printers.h"

namespace dropline {

void PrintTo(Colour colour, std::ostream *os) {
    *os << (colour == Colour::Red ? "Red" : "Blue");
}

void PrintTo(DropResult::Kind kind, std::ostream *os) {
    switch (kind) {
        case DropResult::Kind::Ignored:
            *os << "Ignored";
            return;
        case DropResult::Kind::Draw:
            *os << "Draw";
            return;
        case DropResult::Kind::ColumnFull:
            *os << "ColumnFull";
            return;
        case DropResult::Kind::Placed:
            *os << "Placed";
            return;
    }
    *os << "Kind(" << static_cast<int>(kind) << ")";
}

void PrintTo(const DropResult &result, std::ostream *os) {
    PrintTo(result.kind, os);
    if (result.kind == DropResult::Kind::Placed) {
        *os << " column " << result.disc.column << " row " << result.disc.row << " ";
        PrintTo(result.disc.colour, os);
    }
    if (result.winner) {
        *os << ", winner ";
        PrintTo(*result.winner, os);
    }
}

}  // namespace dropline
