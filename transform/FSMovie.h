#ifndef TRANSFORM_FSMOVIE_H
#define TRANSFORM_FSMOVIE_H

#include "transform/FSArray.h"
#include "transform/FSBounds.h"
#include "transform/FSBytes.h"
#include "transform/FSCodingObserver.h"
#include "transform/FSMovieObject.h"


namespace transform {

// One SWF file: header values and the tags in playing order. Version 6 and
// later are written compressed ("CWS").
class FSMovie {
public:
    FSMovie(const FSBounds& frameSize, float frameRate, int version = 7);
    FSMovie(const FSMovie& other);
    FSMovie& operator=(const FSMovie&) = delete;
    ~FSMovie();

    // The movie takes ownership of the tag.
    void addObject(FSMovieObject* object);
    int frameCount() const;

    // The complete image; outLength receives its size. Errors go to the
    // observer when one is given (the result is then null), otherwise they
    // are thrown.
    FSBytes encodeToMemory(int& outLength, FSCodingObserver* observer = nullptr);
    void encodeToFile(const char* path);

    const char* getSignature() const { return signature; }
    // Chooses the signature: 'C' (compressed) or 'F'.
    void setCompressed(bool compressed) { signature[0] = compressed ? 'C' : 'F'; }
    int getVersion() const { return version; }
    const FSBounds& getFrameSize() const { return frameSize; }
    float getFrameRate() const { return frameRate; }
    const FSArray<FSMovieObject*>& getObjects() const { return objects; }

private:
    bool encodeBody(FSStream& stream, int total, FSCodingObserver* observer);

    char signature[4];
    int version;
    FSBounds frameSize;
    float frameRate;
    FSArray<FSMovieObject*> objects;
};

// Compresses everything after the first `headerLength` bytes of `image` with
// zlib into a buffer of 110 % of the input (at least 64 bytes).
FSBytes compressMovie(const unsigned char* image, int length, int headerLength, int& outLength);

// The size of the file header up to and including the frame count.
int movieHeaderSize(FSStream& stream, FSBounds& frameSize);
// Writes that header: signature, version, total length, frame size, frame
// rate (8.8 fixed point) and frame count.
void encodeMovieHeader(FSStream& stream, const char* signature, int version, int total, FSBounds& frameSize,
                       float frameRate, int frameCount);

} // namespace transform

#endif
