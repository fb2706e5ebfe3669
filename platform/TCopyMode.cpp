#include "platform/TCopyMode.h"

namespace kestrom {

QPainter::CompositionMode CompositionFor(TCopyMode mode) {
    using C = QPainter::CompositionMode;
    switch (mode) {
    case TCopyMode::cmBlackness:
        return C::RasterOp_ClearDestination;
    case TCopyMode::cmDstInvert:
        return C::RasterOp_NotDestination;
    case TCopyMode::cmMergePaint:
        return C::RasterOp_NotSourceOrDestination;
    case TCopyMode::cmNotSrcCopy:
        return C::RasterOp_NotSource;
    case TCopyMode::cmNotSrcErase:
        return C::RasterOp_NotSourceAndNotDestination;
    case TCopyMode::cmSrcAnd:
        return C::RasterOp_SourceAndDestination;
    case TCopyMode::cmSrcCopy:
        return C::CompositionMode_Source;
    case TCopyMode::cmSrcErase:
        return C::RasterOp_SourceAndNotDestination;
    case TCopyMode::cmSrcInvert:
        return C::RasterOp_SourceXorDestination;
    case TCopyMode::cmSrcPaint:
        return C::RasterOp_SourceOrDestination;
    case TCopyMode::cmWhiteness:
        return C::RasterOp_SetDestination;
    }
    return C::CompositionMode_Source;
}

QPainter::CompositionMode CompositionFor(TPenMode mode) {
    using C = QPainter::CompositionMode;
    switch (mode) {
    case TPenMode::pmBlack:
        return C::RasterOp_ClearDestination;
    case TPenMode::pmWhite:
        return C::RasterOp_SetDestination;
    case TPenMode::pmNop:
        return C::CompositionMode_Destination;
    case TPenMode::pmNot:
        return C::RasterOp_NotDestination;
    case TPenMode::pmCopy:
        return C::CompositionMode_Source;
    case TPenMode::pmNotCopy:
        return C::RasterOp_NotSource;
    case TPenMode::pmMergePenNot:
        return C::RasterOp_SourceOrNotDestination;
    case TPenMode::pmMaskPenNot:
        return C::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMergeNotPen:
        return C::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMaskNotPen:
        return C::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMerge:
        return C::RasterOp_SourceOrDestination;
    case TPenMode::pmNotMerge:
        return C::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmMask:
        return C::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMask:
        return C::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmXor:
        return C::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor:
        return C::RasterOp_NotSourceXorDestination;
    }
    return C::CompositionMode_Source;
}

} // namespace kestrom
