#include "transform/FSDefineShape.h"

#include "transform/FSAllocation.h"
#include "transform/FSStream.h"

namespace transform {

namespace {

// Bits of each coordinate of an edge: the edge's header cannot say fewer
// than 2.
int edgeFieldBits(const FSShapeRecord& record) {
    const int values[] = {record.x, record.y, record.controlX, record.controlY};
    int bits = maxBitsFor(values, record.kind == FSShapeRecord::Curve ? 4 : 2, true);
    return bits < 2 ? 2 : bits;
}

int moveFieldBits(const FSShapeRecord& record) {
    const int values[] = {record.x, record.y};
    return maxBitsFor(values, 2, true);
}

int indexBits(size_t count) { return bitsFor(static_cast<int>(count), false); }

} // namespace

FSShapeRecord FSShapeRecord::moveTo(int x, int y, int fill1, int line) {
    FSShapeRecord record;
    record.moves = true;
    record.x = x;
    record.y = y;
    record.fill1 = fill1;
    record.line = line;
    return record;
}

FSShapeRecord FSShapeRecord::lineBy(int dx, int dy) {
    FSShapeRecord record;
    record.kind = Line;
    record.x = dx;
    record.y = dy;
    return record;
}

FSDefineShape::FSDefineShape(FSStream& stream) : FSDefineShape() { decode(stream); }

FSDefineShape* FSDefineShape::rectangle(int identifier, const FSBounds& area, const FSColor& fill, int lineWidth,
                                        const FSColor& lineColor) {
    auto* shape = allocateObject<FSDefineShape>("Cannot allocate memory", identifier);
    int half = lineWidth / 2;
    shape->bounds = FSBounds(area.minX - half, area.minY - half, area.maxX + half, area.maxY + half);
    shape->fillStyles.push_back(fill);
    if (lineWidth > 0)
        shape->lineStyles.push_back({lineWidth, lineColor});
    int width = area.maxX - area.minX, height = area.maxY - area.minY;
    shape->records = {FSShapeRecord::moveTo(area.minX, area.minY, 1, lineWidth > 0 ? 1 : -1),
                      FSShapeRecord::lineBy(width, 0), FSShapeRecord::lineBy(0, height),
                      FSShapeRecord::lineBy(-width, 0), FSShapeRecord::lineBy(0, -height)};
    return shape;
}

FSTransformObject* FSDefineShape::clone() const {
    return allocateObject<FSDefineShape>("Cannot allocate memory", *this);
}

int FSDefineShape::fillBits() const { return indexBits(fillStyles.size()); }
int FSDefineShape::lineBits() const { return indexBits(lineStyles.size()); }

int FSDefineShape::stylesSize() const { return 1 + 4 * fillStyles.size() + 1 + 5 * lineStyles.size(); }

int FSDefineShape::recordBits(const FSShapeRecord& record) const {
    if (record.kind == FSShapeRecord::Line)
        return 2 + 4 + 1 + 2 * edgeFieldBits(record);
    if (record.kind == FSShapeRecord::Curve)
        return 2 + 4 + 4 * edgeFieldBits(record);
    int bits = 6;
    if (record.moves)
        bits += 5 + 2 * moveFieldBits(record);
    if (record.fill0 >= 0)
        bits += fillBits();
    if (record.fill1 >= 0)
        bits += fillBits();
    if (record.line >= 0)
        bits += lineBits();
    return bits;
}

int FSDefineShape::length(FSStream& stream) {
    FSMovieObject::length(stream);
    int bits = 8;
    for (const FSShapeRecord& record : records)
        bits += recordBits(record);
    bits += 6;
    bodyLength += 2 + bounds.length(stream) + stylesSize() + (bits + 7) / 8;
    return bodyLength;
}

void FSDefineShape::encodeShapeRecord(FSStream& stream, const FSShapeRecord& record) const {
    if (record.kind == FSShapeRecord::Line) {
        int n = edgeFieldBits(record);
        stream.writeBits(3, 2);
        stream.writeBits(n - 2, 4);
        stream.writeBits(1, 1);
        stream.writeBits(record.x, n);
        stream.writeBits(record.y, n);
        return;
    }
    if (record.kind == FSShapeRecord::Curve) {
        const int values[] = {record.controlX, record.controlY, record.x, record.y};
        int n = edgeFieldBits(record);
        stream.writeBits(2, 2);
        stream.writeBits(n - 2, 4);
        for (int value : values)
            stream.writeBits(value, n);
        return;
    }
    stream.writeBits(0, 2);
    stream.writeBits(record.line >= 0, 1);
    stream.writeBits(record.fill1 >= 0, 1);
    stream.writeBits(record.fill0 >= 0, 1);
    stream.writeBits(record.moves, 1);
    if (record.moves) {
        int n = moveFieldBits(record);
        stream.writeBits(n, 5);
        stream.writeBits(record.x, n);
        stream.writeBits(record.y, n);
    }
    if (record.fill0 >= 0)
        stream.writeBits(record.fill0, fillBits());
    if (record.fill1 >= 0)
        stream.writeBits(record.fill1, fillBits());
    if (record.line >= 0)
        stream.writeBits(record.line, lineBits());
}

void FSDefineShape::encodeBody(FSStream& stream) {
    stream.writeWord(identifier, 16);
    bounds.encode(stream);
    stream.writeWord(static_cast<int>(fillStyles.size()), 8);
    for (FSColor& color : fillStyles) {
        stream.writeWord(0, 8);
        color.encode(stream);
    }
    stream.writeWord(static_cast<int>(lineStyles.size()), 8);
    for (FSLineStyle& style : lineStyles) {
        stream.writeWord(style.width, 16);
        style.color.encode(stream);
    }
    stream.writeBits(fillBits(), 4);
    stream.writeBits(lineBits(), 4);
    for (const FSShapeRecord& record : records)
        encodeShapeRecord(stream, record);
    stream.writeBits(0, 6);
    stream.alignToByte();
}

// Reads one record into `records`; false at the end record.
bool FSDefineShape::decodeShapeRecord(FSStream& stream, int fillBitCount, int lineBitCount) {
    FSShapeRecord record;
    if (stream.readBits(1, false)) {
        bool straight = stream.readBits(1, false);
        int n = stream.readBits(4, false) + 2;
        if (straight) {
            record.kind = FSShapeRecord::Line;
            bool general = stream.readBits(1, false);
            bool vertical = !general && stream.readBits(1, false);
            record.x = (general || !vertical) ? stream.readBits(n, true) : 0;
            record.y = (general || vertical) ? stream.readBits(n, true) : 0;
        } else {
            record.kind = FSShapeRecord::Curve;
            record.controlX = stream.readBits(n, true);
            record.controlY = stream.readBits(n, true);
            record.x = stream.readBits(n, true);
            record.y = stream.readBits(n, true);
        }
        records.push_back(record);
        return true;
    }
    int flags = stream.readBits(5, false);
    if (flags == 0)
        return false;
    if (flags & 0x10)
        stream.failDecoding("new styles inside a shape are not supported.");
    record.moves = flags & 0x01;
    if (record.moves) {
        int n = stream.readBits(5, false);
        record.x = stream.readBits(n, true);
        record.y = stream.readBits(n, true);
    }
    if (flags & 0x02)
        record.fill0 = stream.readBits(fillBitCount, false);
    if (flags & 0x04)
        record.fill1 = stream.readBits(fillBitCount, false);
    if (flags & 0x08)
        record.line = stream.readBits(lineBitCount, false);
    records.push_back(record);
    return true;
}

void FSDefineShape::decodeBody(FSStream& stream, int end) {
    identifier = stream.readWord(16, false);
    bounds.decode(stream);
    fillStyles.assign(stream.readWord(8, false), FSColor());
    for (FSColor& color : fillStyles) {
        if (stream.readWord(8, false) != 0)
            stream.failDecoding("only solid fills are supported.");
        color.decode(stream);
    }
    lineStyles.assign(stream.readWord(8, false), FSLineStyle());
    for (FSLineStyle& style : lineStyles) {
        style.width = stream.readWord(16, false);
        style.color.decode(stream);
    }
    int fillBitCount = stream.readBits(4, false);
    int lineBitCount = stream.readBits(4, false);
    records.clear();
    while (decodeShapeRecord(stream, fillBitCount, lineBitCount))
        stream.requireWithin(end);
    stream.alignToByte();
    stream.requireWithin(end);
}

} // namespace transform
