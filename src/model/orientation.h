#pragma once
// A carton's orientation in the container: which of its edges L, W, H lies along each of
// the container's axes. Every planner, the result list, the 3D view and the exported plan
// read orientations from this one table.
//
// Axes: x across the container width, y up, z along the length from the inner end toward
// the door. Orientation codes 0-5 are the numbers stored in result blocks and files.

#include <array>
#include <cstdint>

enum class Edge : std::uint8_t { Length = 0, Width = 1, Height = 2 };

inline constexpr int kOrientationCount = 6;

struct OrientationEdges {
  Edge alongX, alongY, alongZ;
};

// kOrientationEdges[code]: the carton edges along x, y and z.
inline constexpr std::array<OrientationEdges, kOrientationCount> kOrientationEdges = {{
    {Edge::Width, Edge::Length, Edge::Height},  // 0: L-W face toward the door, W-H face up
    {Edge::Height, Edge::Width, Edge::Length},  // 1: W-H face toward the door, L-H face up
    {Edge::Length, Edge::Height, Edge::Width},  // 2: L-H face toward the door, L-W face up (upright)
    {Edge::Width, Edge::Height, Edge::Length},  // 3: W-H face toward the door, L-W face up (upright)
    {Edge::Height, Edge::Length, Edge::Width},  // 4: L-H face toward the door, W-H face up
    {Edge::Length, Edge::Width, Edge::Height},  // 5: L-W face toward the door, L-H face up
}};

constexpr bool isOrientationCode(std::int32_t code) { return code >= 0 && code < kOrientationCount; }

// Edge sets as bits, for the edges a carton may stand on (the edge that is vertical).
inline constexpr std::uint8_t kEdgeLength = 1, kEdgeWidth = 2, kEdgeHeight = 4;
inline constexpr std::uint8_t kEveryEdge = kEdgeLength | kEdgeWidth | kEdgeHeight;

constexpr std::uint8_t edgeBit(Edge e) {
  return e == Edge::Length ? kEdgeLength : e == Edge::Width ? kEdgeWidth : kEdgeHeight;
}

// The vertical edge of an orientation.
constexpr Edge verticalEdge(std::int32_t code) { return kOrientationEdges[static_cast<std::size_t>(code)].alongY; }

// The edge's length out of a carton's three edges.
template <typename T>
constexpr T edgeLength(Edge e, T length, T width, T height) {
  return e == Edge::Length ? length : e == Edge::Width ? width : height;
}

// The carton's extents along x, y and z in an orientation.
template <typename T>
constexpr std::array<T, 3> orientedExtents(std::int32_t code, T length, T width, T height) {
  const OrientationEdges& e = kOrientationEdges[static_cast<std::size_t>(code)];
  return {edgeLength(e.alongX, length, width, height), edgeLength(e.alongY, length, width, height),
          edgeLength(e.alongZ, length, width, height)};
}
