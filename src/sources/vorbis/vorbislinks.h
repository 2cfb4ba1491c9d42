#pragma once

#include <vorbis/vorbisfile.h>

#include <string>

namespace tonewright {

// Opens an Ogg Vorbis file with vorbisfile so that it reads only the leading links that are
// safe and right to decode: the stream ends before the first link whose headers FFmpeg's
// Vorbis decoder refuses (libvorbis would decode it, and some damaged setup headers make it
// divide by zero) or whose rate or channel count differ from the first link's. vorbisfile
// itself is kept from the bytes after the last such link, so it never decodes a packet of
// the next. 0 when open (ov_clear closes it), else a negative vorbisfile code; a file whose
// first link is refused is not opened.
int OpenReadableLinks(const std::string& path, OggVorbis_File& file);

}  // namespace tonewright
