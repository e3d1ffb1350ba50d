// Any bytes as a scale file, and the frets of what it reads on the window's
// starting geometry.
#include "fret_search.h"
#include "scala_reader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        mirefa::readScala(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* scale = std::get_if<mirefa::ScalaFile>(&read);
    if (scale == nullptr)
        return 0;
    if (scale->eleman_sayisi < 0 ||
        static_cast<std::size_t>(scale->eleman_sayisi) != scale->dizi_eleman.size())
        std::abort(); // a file that reads holds as many pitches as it counts
    const std::vector<double> ratios = mirefa::OndalikDonustur(scale->dizi_eleman);
    const mirefa::Geometry geometry = mirefa::makeGeometry(1000, 2, 5, 1);
    const auto frets = mirefa::PerdeHesapla(ratios, geometry);
    if (frets.size() != ratios.size())
        std::abort();
    for (const auto& d : frets)
        if (d && !(*d > 0 && std::isfinite(*d)))
            std::abort(); // a fret stands somewhere or nowhere
    return 0;
}
