#include "platform/win32/wic_pages.h"

#include <objbase.h>
#include <wincodec.h>

namespace lun4::platform {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    T** out() { return &p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

IWICImagingFactory* factory() {
    // One factory for the run, made on first use on the thread that draws (the only one).
    static IWICImagingFactory* made = [] {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IWICImagingFactory* f = nullptr;
        ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, reinterpret_cast<void**>(&f));
        return f;
    }();
    return made;
}

// The largest picture decoded: far beyond any page, small enough that its pixels fit memory.
constexpr UINT kLargest = 16384;

}  // namespace

std::optional<DecodedPicture> decodePicture(const std::filesystem::path& path) {
    IWICImagingFactory* wic = factory();
    if (!wic) return std::nullopt;
    Com<IWICBitmapDecoder> decoder;
    if (FAILED(wic->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                              WICDecodeMetadataCacheOnDemand, decoder.out()))) {
        return std::nullopt;
    }
    Com<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out()))) return std::nullopt;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
        width > kLargest || height > kLargest) {
        return std::nullopt;
    }
    // Grey, YCbCr and CMYK pictures alike become blue, green, red.
    Com<IWICFormatConverter> converter;
    if (FAILED(wic->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom))) {
        return std::nullopt;
    }
    DecodedPicture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4,
                                     static_cast<UINT>(picture.pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(picture.pixels.data())))) {
        return std::nullopt;
    }
    for (std::uint32_t& p : picture.pixels) p |= 0xFF000000u;
    return picture;
}

void reduceToDepth(DecodedPicture& picture, int depth) {
    if (depth != 16) return;
    for (std::uint32_t& p : picture.pixels) {
        const std::uint32_t r = (p >> 16) & 0xF8;
        const std::uint32_t g = (p >> 8) & 0xFC;
        const std::uint32_t b = p & 0xF8;
        p = 0xFF000000u | ((r | r >> 5) << 16) | ((g | g >> 6) << 8) | (b | b >> 5);
    }
}

}  // namespace lun4::platform
