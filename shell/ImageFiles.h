#pragma once
// File steps of the pre-installed compile: the size check of the normal image and the
// joining of the two hex images.
#include <cstddef>
#include <cstdint>
#include <functional>
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

// Puts a complete pair of images in place of the list's ".hex" and ".bin": any old images
// go first (the compile commands remove them before they write anything, so an earlier
// list's images do not outlive the start of a compile), then the new ".hex" takes its
// name, then the new ".bin". Stopped at any moment after the removals, the list has no
// image, a new ".hex" alone, or both new ones. False (told) when that fails or the program
// was interrupted; neither image is then left in place. `afterStep`, when given, is called
// after each of the four steps (for the tests, which stop the program there).
bool PublishImages(IReporter& reporter, const std::string& hexTemp, const std::string& hexPath,
                   const std::string& binTemp, const std::string& binPath,
                   const std::function<void()>& afterStep = {});

// Size of a file in bytes, or SIZE_MAX when it cannot be examined.
size_t FileSize(const std::string& path);

}  // namespace lumoscope
