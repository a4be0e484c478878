#include "common/window_place.h"

PixelBox placeInWorkArea(int width, int height, const PixelBox& area) {
    PixelBox box;
    box.width = width < area.width ? width : area.width;
    box.height = height < area.height ? height : area.height;
    box.x = area.x + (area.width - box.width) / 2;
    box.y = area.y + (area.height - box.height) / 2;
    return box;
}
