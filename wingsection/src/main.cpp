// wingsection: a wing section as the image of a circle under z = zeta + 1/zeta,
// with its camber line, thickness and chord, written to five text files.
#include "recordfmt/recordfmt.hpp"
#include "wingsection/camber_thickness.hpp"
#include "wingsection/circle_plane.hpp"
#include "wingsection/section_files.hpp"
#include "wingsection/section_mapping.hpp"
#include "wingsection/section_parameters.hpp"
#include "wingsection/station_extent.hpp"

int main() {
  recordfmt::configureRecords({recordfmt::LineEnd::Lf, true});
  static wingsection::CirclePlane plane;
  static wingsection::SectionContour contour;
  static wingsection::StationTable stations;

  const wingsection::SectionParameters parameters = wingsection::readSectionParameters();
  wingsection::buildCirclePlane(parameters.ITYPE, parameters.R, parameters.BETA, plane);
  wingsection::mapToSection(plane, contour);
  wingsection::measureExtent(contour, stations);
  wingsection::extractCamberThickness(contour, stations);
  // Only now, with everything computed, are the files created or replaced.
  wingsection::writeSectionFiles(plane, contour, stations);
  return 0;
}
