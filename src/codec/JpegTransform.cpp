// SPDX-License-Identifier: MIT
#include "codec/JpegTransform.h"
#include "platform/UiText.h"

#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include <jpeglib.h>
#include <sys/mman.h>

namespace {

// A turn as what it does to a pixel's place about the centre, y down:
// x' = a x + b y, y' = c x + d y.
struct Matrix {
    int a, b, c, d;
    bool operator==(const Matrix&) const = default;
};

// In JpegTurn's order.
constexpr std::array<Matrix, 8> kMatrices{{
    {1, 0, 0, 1},   // None
    {-1, 0, 0, 1},  // FlipLeftRight
    {1, 0, 0, -1},  // FlipTopBottom
    {0, 1, 1, 0},   // Transpose
    {0, -1, -1, 0}, // Transverse
    {0, -1, 1, 0},  // Right
    {-1, 0, 0, -1}, // Half
    {0, 1, -1, 0},  // Left
}};

Matrix Of(JpegTurn turn) {
    return kMatrices[size_t(turn)];
}

// libjpeg reports errors by calling back, and a damaged file must end the
// transform, not the program: the callbacks jump back to RunTransform.
struct Failure {
    jpeg_error_mgr manager;
    jpeg_progress_mgr progress;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr coder) {
    auto* failure = reinterpret_cast<Failure*>(coder->err);
    (*coder->err->format_message)(coder, failure->message);
    std::longjmp(failure->jump, 1);
}

// A warning means damaged data: it is not carried over into a result.
void OnMessage(j_common_ptr coder, int level) {
    if (level < 0)
        JumpBack(coder);
}

// A progressive file of thousands of tiny scans takes forever to read.
void OnProgress(j_common_ptr coder) {
    constexpr int kMostScans = 500;
    if (coder->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(coder)->input_scan_number > kMostScans) {
        auto* failure = reinterpret_cast<Failure*>(coder->err);
        std::snprintf(failure->message, sizeof failure->message, "it has over %d scans",
                      kMostScans);
        std::longjmp(failure->jump, 1);
    }
}

// The sign of each coefficient of a turned block: a mirror negates the
// odd frequencies along it (a swap of the sides also transposes the block).
struct BlockMap {
    std::array<JCOEF, DCTSIZE2> sign;
};

BlockMap MapFor(JpegTurn turn) {
    const Matrix m = Of(turn);
    const bool swap = m.a == 0;
    // The source's x and y as they run in the result: mirrored or not.
    const bool mirrorX = swap ? m.c < 0 : m.a < 0;
    const bool mirrorY = swap ? m.b < 0 : m.d < 0;
    BlockMap map{};
    for (int v = 0; v < DCTSIZE; ++v)
        for (int u = 0; u < DCTSIZE; ++u) {
            const int sourceU = swap ? v : u; // the source's horizontal frequency
            const int sourceV = swap ? u : v;
            const bool negate = (mirrorX && sourceU % 2) != (mirrorY && sourceV % 2);
            map.sign[size_t(v * DCTSIZE + u)] = negate ? -1 : 1;
        }
    return map;
}

// The block of the source that lands at (x, y) of the result, of a
// component of width x height blocks (the source's).
std::pair<JDIMENSION, JDIMENSION> SourceBlock(const Matrix& m, JDIMENSION x, JDIMENSION y,
                                              JDIMENSION width, JDIMENSION height) {
    if (m.a == 0)
        return {m.c > 0 ? y : width - 1 - y, m.b > 0 ? x : height - 1 - x};
    return {m.a > 0 ? x : width - 1 - x, m.d > 0 ? y : height - 1 - y};
}

// A component's blocks as libjpeg holds them: whole sampling units.
JDIMENSION RoundUp(JDIMENSION blocks, int unit) {
    return (blocks + JDIMENSION(unit) - 1) / JDIMENSION(unit) * JDIMENSION(unit);
}

// The coefficient arrays, as libjpeg asks for them: a photo's are tens of
// megabytes, written once. The first time one is written, the rest of it
// is asked to come in pages of 2 MB rather than 4 KB, which costs the
// system a fraction of the faults. Only a hint: an array in pieces, or a
// system without such pages, is served as before.
struct ArrayWatch {
    JBLOCKARRAY (*access)(j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION, boolean);
    jvirt_barray_ptr (*request)(j_common_ptr, int, boolean, JDIMENSION, JDIMENSION, JDIMENSION);
    struct Array {
        jvirt_barray_ptr array;
        size_t rowBytes;
        size_t bytes; // all its rows
        bool zeroed;  // libjpeg clears each band as it is first written
        bool advised;
    };
    std::array<Array, 2 * MAX_COMPONENTS> arrays;
    size_t count;
};

jvirt_barray_ptr WatchedRequest(j_common_ptr coder, int pool, boolean zeroed, JDIMENSION width,
                                JDIMENSION height, JDIMENSION most) {
    auto* watch = static_cast<ArrayWatch*>(coder->client_data);
    const jvirt_barray_ptr array = watch->request(coder, pool, zeroed, width, height, most);
    if (watch->count < watch->arrays.size())
        watch->arrays[watch->count++] = {array, size_t(width) * sizeof(JBLOCK),
                                         size_t(width) * height * sizeof(JBLOCK), zeroed != FALSE,
                                         false};
    return array;
}

JBLOCKARRAY WatchedAccess(j_common_ptr coder, jvirt_barray_ptr array, JDIMENSION start,
                          JDIMENSION rows, boolean writable) {
    constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
    auto* watch = static_cast<ArrayWatch*>(coder->client_data);
    const JBLOCKARRAY band = watch->access(coder, array, start, rows, writable);
    for (size_t i = 0; writable && i < watch->count; ++i) {
        ArrayWatch::Array& known = watch->arrays[i];
        if (known.array != array || known.advised)
            continue;
        known.advised = true;
        // libjpeg allocates an array's rows in one piece, row after row.
        const size_t rowBytes = known.rowBytes;
        const auto base = reinterpret_cast<uintptr_t>(band[0]) - start * rowBytes;
        const uintptr_t touched =
            reinterpret_cast<uintptr_t>(band[0]) + (known.zeroed ? rows * rowBytes : 0);
        const uintptr_t first = (touched + kLargePage - 1) & ~(kLargePage - 1);
        const uintptr_t last = (base + known.bytes) & ~(kLargePage - 1);
        if (rowBytes > 0 && last > first)
            ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
    return band;
}

// Whether turning the frame read keeps the whole picture; the reason in
// message when not. The frame itself decides, whatever was read of it
// before.
bool Whole(const jpeg_decompress_struct& source, JpegTurn turn, char* message) {
    JpegLayout layout;
    layout.width = int(source.image_width);
    layout.height = int(source.image_height);
    const bool single = source.num_components == 1;
    layout.blockWidth = DCTSIZE * (single ? 1 : source.max_h_samp_factor);
    layout.blockHeight = DCTSIZE * (single ? 1 : source.max_v_samp_factor);
    const QByteArray refusal = PartialBlockRefusal(turn, layout).toUtf8();
    std::snprintf(message, JMSG_LENGTH_MAX, "%s", refusal.constData());
    return refusal.isEmpty();
}

// Both coders, zeroed, so that destroying one never made is harmless.
struct Coders {
    jpeg_decompress_struct source;
    jpeg_compress_struct target;
    Failure failure;
    ArrayWatch watch;
    unsigned char* out;
    unsigned long outSize;
    unsigned char* first; // ours: libjpeg frees only the buffers it grew into
};

// One block, its signs changed, as is or transposed; two functions so that
// the compiler vectorises each.
void CopyBlock(const JCOEF* __restrict in, JCOEF* __restrict out, const JCOEF* __restrict sign) {
    for (int k = 0; k < DCTSIZE2; ++k)
        out[k] = JCOEF(in[k] * sign[k]);
}

void TransposeBlock(const JCOEF* __restrict in, JCOEF* __restrict out,
                    const JCOEF* __restrict sign) {
    for (int v = 0; v < DCTSIZE; ++v)
        for (int u = 0; u < DCTSIZE; ++u)
            out[v * DCTSIZE + u] = JCOEF(in[u * DCTSIZE + v] * sign[v * DCTSIZE + u]);
}

// Each component's blocks, turned, into target arrays of the source's
// memory, read in tiles so that both stay in the cache.
void TurnBlocks(j_decompress_ptr source, jvirt_barray_ptr* from, jvirt_barray_ptr* to,
                JpegTurn turn) {
    constexpr JDIMENSION kTile = 8;
    const Matrix m = Of(turn);
    const BlockMap map = MapFor(turn);
    for (int ci = 0; ci < source->num_components; ++ci) {
        const jpeg_component_info& component = source->comp_info[ci];
        const auto height = RoundUp(component.height_in_blocks, component.v_samp_factor);
        const auto width = RoundUp(component.width_in_blocks, component.h_samp_factor);
        // From libjpeg's own pool: an error jumps over anything of ours.
        auto* rows = static_cast<JBLOCKROW*>((*source->mem->alloc_small)(
            reinterpret_cast<j_common_ptr>(source), JPOOL_IMAGE, height * sizeof(JBLOCKROW)));
        for (JDIMENSION y = 0; y < height; y += JDIMENSION(component.v_samp_factor)) {
            const JBLOCKARRAY band =
                (*source->mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(source), from[ci],
                                                   y, JDIMENSION(component.v_samp_factor), FALSE);
            for (int k = 0; k < component.v_samp_factor; ++k)
                rows[y + JDIMENSION(k)] = band[k];
        }
        const bool swap = m.a == 0;
        const JDIMENSION outWidth = swap ? height : width;
        const JDIMENSION outHeight = swap ? width : height;
        const JBLOCKARRAY out = (*source->mem->access_virt_barray)(
            reinterpret_cast<j_common_ptr>(source), to[ci], 0, outHeight, TRUE);
        for (JDIMENSION ty = 0; ty < outHeight; ty += kTile)
            for (JDIMENSION tx = 0; tx < outWidth; tx += kTile)
                for (JDIMENSION y = ty; y < std::min(ty + kTile, outHeight); ++y)
                    for (JDIMENSION x = tx; x < std::min(tx + kTile, outWidth); ++x) {
                        const auto [sx, sy] = SourceBlock(m, x, y, width, height);
                        if (swap)
                            TransposeBlock(rows[sy][sx], out[y][x], map.sign.data());
                        else
                            CopyBlock(rows[sy][sx], out[y][x], map.sign.data());
                    }
    }
}

// The transform itself; false with the reason in the failure's message.
// Only plain data lives here, as libjpeg's errors jump back into it.
bool RunTransform(Coders& c, const QByteArray& jpeg, JpegTurn turn, bool progressive) {
    // The result is about the source's size: one buffer, grown only if not.
    constexpr unsigned long kMargin = 64 * 1024;
    c.outSize = static_cast<unsigned long>(jpeg.size()) + kMargin;
    c.out = c.first = static_cast<unsigned char*>(std::malloc(c.outSize));
    if (setjmp(c.failure.jump) != 0)
        return false;
    c.source.err = jpeg_std_error(&c.failure.manager);
    c.failure.manager.error_exit = JumpBack;
    c.failure.manager.emit_message = OnMessage;
    jpeg_create_decompress(&c.source);
    c.source.client_data = &c.watch;
    c.watch.request = c.source.mem->request_virt_barray;
    c.watch.access = c.source.mem->access_virt_barray;
    c.source.mem->request_virt_barray = WatchedRequest;
    c.source.mem->access_virt_barray = WatchedAccess;
    c.failure.progress.progress_monitor = OnProgress;
    c.source.progress = &c.failure.progress;
    jpeg_mem_src(&c.source, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&c.source, TRUE);
    if (!Whole(c.source, turn, c.failure.message))
        return false;
    const bool swap = SwapsSides(turn);
    jvirt_barray_ptr to[MAX_COMPONENTS] = {};
    for (int ci = 0; ci < c.source.num_components && ci < MAX_COMPONENTS; ++ci) {
        const jpeg_component_info& component = c.source.comp_info[ci];
        const auto width = RoundUp(component.width_in_blocks, component.h_samp_factor);
        const auto height = RoundUp(component.height_in_blocks, component.v_samp_factor);
        // All rows at once: the arrays stay whole in memory.
        to[ci] = (*c.source.mem->request_virt_barray)(reinterpret_cast<j_common_ptr>(&c.source),
                                                      JPOOL_IMAGE, FALSE, swap ? height : width,
                                                      swap ? width : height, swap ? width : height);
    }
    jvirt_barray_ptr* from = jpeg_read_coefficients(&c.source);
    TurnBlocks(&c.source, from, to, turn);

    c.target.err = &c.failure.manager;
    jpeg_create_compress(&c.target);
    jpeg_mem_dest(&c.target, &c.out, &c.outSize);
    jpeg_copy_critical_parameters(&c.source, &c.target);
    // The result's metadata is written afresh, as the kept-metadata rules
    // make it: not even JFIF's segment, which the encoder leaves out too.
    c.target.write_JFIF_header = FALSE;
    if (swap) {
        std::swap(c.target.image_width, c.target.image_height);
        for (int ci = 0; ci < c.target.num_components; ++ci)
            std::swap(c.target.comp_info[ci].h_samp_factor, c.target.comp_info[ci].v_samp_factor);
        // A transposed block is quantised by the transposed table.
        for (JQUANT_TBL* table : c.target.quant_tbl_ptrs)
            for (int v = 0; table && v < DCTSIZE; ++v)
                for (int u = v + 1; u < DCTSIZE; ++u)
                    std::swap(table->quantval[v * DCTSIZE + u], table->quantval[u * DCTSIZE + v]);
    }
    if (progressive)
        jpeg_simple_progression(&c.target);
    jpeg_write_coefficients(&c.target, to);
    jpeg_finish_compress(&c.target);
    jpeg_finish_decompress(&c.source);
    return true;
}

} // namespace

JpegTurn UprightTurn(int orientation) {
    switch (orientation) {
    case 2:
        return JpegTurn::FlipLeftRight;
    case 3:
        return JpegTurn::Half;
    case 4:
        return JpegTurn::FlipTopBottom;
    case 5:
        return JpegTurn::Transpose;
    case 6:
        return JpegTurn::Right;
    case 7:
        return JpegTurn::Transverse;
    case 8:
        return JpegTurn::Left;
    default:
        return JpegTurn::None;
    }
}

JpegTurn Then(JpegTurn first, JpegTurn second) {
    const Matrix m1 = Of(first);
    const Matrix m2 = Of(second);
    const Matrix both{m2.a * m1.a + m2.b * m1.c, m2.a * m1.b + m2.b * m1.d,
                      m2.c * m1.a + m2.d * m1.c, m2.c * m1.b + m2.d * m1.d};
    for (size_t i = 0; i < kMatrices.size(); ++i)
        if (kMatrices[i] == both)
            return JpegTurn(i);
    return JpegTurn::None; // unreachable: the eight are closed under composition
}

bool SwapsSides(JpegTurn turn) {
    return Of(turn).a == 0;
}

QString PartialBlockRefusal(JpegTurn turn, const JpegLayout& layout) {
    // The right edge moves wherever x changes sign, the bottom edge
    // wherever y does (libjpeg's own rule for a perfect transform).
    const Matrix m = Of(turn);
    const bool movesRight = m.a + m.c < 0;
    const bool movesBottom = m.b + m.d < 0;
    // Whole sentences, so that each language can put the words its own way.
    if (movesRight && layout.width % layout.blockWidth != 0)
        return TrText("Picture", "its width of %1 pixels is not a whole number of its %2-pixel "
                                 "JPEG blocks, and a turn without re-encoding would lose its right "
                                 "edge")
            .arg(layout.width)
            .arg(layout.blockWidth);
    if (movesBottom && layout.height % layout.blockHeight != 0)
        return TrText("Picture", "its height of %1 pixels is not a whole number of its %2-pixel "
                                 "JPEG blocks, and a turn without re-encoding would lose its "
                                 "bottom edge")
            .arg(layout.height)
            .arg(layout.blockHeight);
    return {};
}

bool TurnJpeg(const QByteArray& jpeg, JpegTurn turn, bool progressive, QByteArray& turned,
              QString& why) {
    turned.clear();
    auto c = std::make_unique<Coders>();
    std::memset(c.get(), 0, sizeof(Coders));
    const bool done = RunTransform(*c, jpeg, turn, progressive);
    if (done)
        turned = QByteArray(reinterpret_cast<const char*>(c->out), qsizetype(c->outSize));
    else
        why = QString::fromLocal8Bit(c->failure.message);
    jpeg_destroy_compress(&c->target);
    jpeg_destroy_decompress(&c->source);
    if (c->first != c->out)
        std::free(c->first);
    std::free(c->out);
    return done;
}
