// render: the whole map as a PNG picture, composed as the editor's map view shows it, or with
// --scale at fewer pixels a cell as the editor's overview shows it.
#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "EditorPalettes.h"
#include "MapLoading.h"
#include "MapPictures.h"
#include "MapRaster.h"
#include "PngEncode.h"
#include "ScaledRaster.h"
#include "files/FileAccess.h"

namespace {

// With the operands swapped by mistake, the picture would replace the map.
bool NamesMapFile(const std::string& path) {
    if (IsTextMapPath(path.c_str())) return true;
    if (path.size() < 4) return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".bin";
}

template <typename Raster>
int WritePicture(Raster& raster, const std::string& pngPath, std::ostream& out, std::ostream& err) {
    std::string error;
    std::vector<uint8_t> png;
    if (!EncodePng(raster.Width(), raster.Height(), [&](uint32_t y) { return raster.Row(y); }, png,
                   error) ||
        !files::ReplaceFileContents(pngPath, png, error)) {
        err << pngPath << ": not written: " << error << "\n";
        return kExitTrouble;
    }
    out << pngPath << ": written, " << raster.Width() << " x " << raster.Height() << " pixels\n";
    return kExitOk;
}

}  // namespace

int RunRender(const Arguments& args, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!ParseCommandOperands(args, "render", 2, "name FILE and OUT.png",
                              {"--grid"}, {"--sheets", "--scale"}, line, err))
        return kExitTrouble;
    std::string error;
    const auto scaleOption = line.values.find("--scale");
    const bool scaled = scaleOption != line.values.end();
    int32_t cellPixels = kCellSize;
    if (scaled && !ParseCellPixels(scaleOption->second, cellPixels, error)) {
        err << "picoran-map render: " << error << "\n";
        return kExitTrouble;
    }
    if (scaled && line.flags.count("--grid") != 0) {
        err << "picoran-map render: --grid draws on full-size pictures only, not with --scale\n";
        return kExitTrouble;
    }
    const std::string& path = line.operands[0];
    const std::string& pngPath = line.operands[1];
    if (NamesMapFile(pngPath)) {
        err << "picoran-map render: " << pngPath << ": will not write a picture over a map file\n";
        return kExitTrouble;
    }
    LoadedMap map;
    if (!LoadMapOrReport(path, err, map)) return kExitTrouble;
    MapModel model;
    if (!EditorPalettes().BuildModel(map.read.document, model)) {
        err << path << ": out of memory\n";
        return kExitTrouble;
    }
    if (!MapRaster::SizeIsRenderable(model, error, cellPixels)) {
        err << path << ": " << error << "\n";
        return kExitTrouble;
    }
    const auto sheets = line.values.find("--sheets");
    const bool named = sheets != line.values.end();
    MapPictures pictures;
    if (!LoadMapPictures(named ? sheets->second : DefaultSheetsFolder(), pictures, error)) {
        err << "picoran-map render: " << error << "\n";
        if (!named) err << "picoran-map render: name the pictures' folder with --sheets DIR\n";
        return kExitTrouble;
    }
    if (scaled) {
        ScaledRaster raster(model, pictures, cellPixels);
        if (raster.Width() == 0) {
            err << path << ": out of memory\n";
            return kExitTrouble;
        }
        return WritePicture(raster, pngPath, out, err);
    }
    MapRaster raster(model, pictures, line.flags.count("--grid") != 0);
    return WritePicture(raster, pngPath, out, err);
}
