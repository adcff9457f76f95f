// A whole map is larger than the view at most cell sizes, so it is drawn view
// by view and the views are put side by side. Each view is drawn at a scroll
// position the editor's scroll bars can reach, so every pixel is one the
// editor itself shows.
#include "tools/level_tool/level_render.h"

#include <algorithm>

#include "draw/map_view.h"
#include "input/editor_state.h"

namespace {

// The view and its last grid line, which the editor draws on the view's border.
constexpr int ViewCanvasSize = MapViewSize + 1;

// What the editor's state is right after loading the level at this zoom.
EditorState LoadedState(int cellSize) {
    EditorState state;
    state.mapLoaded = true;
    state.edtLoaded = true;
    state.cellSize = cellSize;
    return state;
}

void DrawView(Canvas& view, const Level& level, EditorState& state, int32_t scrollX, int32_t scrollY) {
    state.scrollX = scrollX;
    state.scrollY = scrollY;
    view.Fill(0);
    DrawMapView(view, {level, state}, true);
}

}  // namespace

std::vector<int32_t> ViewStarts(int32_t mapCells, int32_t viewCells) {
    // The scroll bars stop where the view shows the map's last cell at its edge.
    const int32_t last = std::max(0, mapCells - viewCells);
    std::vector<int32_t> starts;
    for (int32_t start = 0;; start += viewCells) {
        starts.push_back(std::min(start, last));
        if (start + viewCells >= mapCells) break;
    }
    return starts;
}

Canvas RenderLevel(const Level& level, int cellSize, bool whole) {
    if (cellSize != 10 && cellSize != 20 && cellSize != 40) return {};
    EditorState state = LoadedState(cellSize);
    Canvas view(ViewCanvasSize, ViewCanvasSize);
    if (!whole) {
        DrawView(view, level, state, 0, 0);
        Canvas picture(MapViewSize, MapViewSize);
        picture.Blit(view, 0, 0);
        return picture;
    }

    const int32_t cells = VisibleCellsOf(state);
    const int width = level.mapGrid.columns * cellSize + 1;
    const int height = level.mapGrid.rows * cellSize + 1;
    Canvas picture(width, height);
    const std::vector<int32_t> columns = ViewStarts(level.mapGrid.columns, cells);
    const std::vector<int32_t> rows = ViewStarts(level.mapGrid.rows, cells);
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = 0; j < columns.size(); ++j) {
            DrawView(view, level, state, columns[j], rows[i]);
            // This view fills the picture from its own share of the map: the
            // cells from j views in, which the view shows from `skip` cells in.
            const int left = int(j) * cells * cellSize, top = int(i) * cells * cellSize;
            const int right = std::min(width, left + cells * cellSize + 1);
            const int bottom = std::min(height, top + cells * cellSize + 1);
            const int skipX = (int(j) * cells - columns[j]) * cellSize, skipY = (int(i) * cells - rows[i]) * cellSize;
            for (int y = top; y < bottom; ++y) {
                const Colour* source = view.Row(y - top + skipY) + skipX;
                std::copy(source, source + (right - left), picture.Row(y) + left);
            }
        }
    return picture;
}
