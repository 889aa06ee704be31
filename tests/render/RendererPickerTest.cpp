#include "render/RendererPicker.hpp"

#include <gtest/gtest.h>

#include <string_view>

// What GL_RENDERER says on machines the game meets: only the drivers that shade on the
// processor are passed over. Graphics cards whose Mesa driver is itself built with LLVM name
// LLVM too, and must keep OpenGL.
TEST(RendererPicker, PassesOverOnlyOpenGlThatShadesOnTheProcessor) {
    const struct {
        std::string_view glRenderer;
        bool onProcessor;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Mesa X11 Software Rasterizer", true},
        {"SWR (LLVM 12.0.0, 256 bits)", true},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RendererPicker::drawsOnProcessor(c.glRenderer), c.onProcessor) << c.glRenderer;
    }
}
