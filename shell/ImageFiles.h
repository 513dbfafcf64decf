#pragma once
// File steps of the pre-installed compile: the size check of the normal image and the
// joining of the two hex images.
#include <cstddef>
#include <cstdint>
#include <string>

#include "database/ImageLayout.h"

namespace lumoscope {

class IReporter;

// Counts the data bytes of the normal image in `hexPath`; refuses (with a message) an
// image that would overlap the basic image, or a file that cannot be read.
bool CheckNormalImageSize(IReporter& reporter, const std::string& hexPath);

// Appends the whole of the hex image `hexPath` to `mergePath` and deletes `hexPath`.
// Messages: "Can't open nessesary file : %s\n" when the merge file cannot be opened,
// "Can't open Output file : %s\n" when the hex image cannot be read.
bool AppendImage(IReporter& reporter, const std::string& hexPath, const std::string& mergePath);

// Puts a complete pair of images in place of the list's ".hex" and ".bin": the old
// ".bin" goes first, so it never stays beside a new ".hex", then each image takes its
// name. False (told) when that fails; neither image is then left in place.
bool PublishImages(IReporter& reporter, const std::string& hexTemp, const std::string& hexPath,
                   const std::string& binTemp, const std::string& binPath);

// Size of a file in bytes, or SIZE_MAX when it cannot be examined.
size_t FileSize(const std::string& path);

}  // namespace lumoscope
