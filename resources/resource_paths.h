#pragma once

// Where the images compiled into the program live (link vrc_resources).
namespace vrc::resources {

inline constexpr char kIconPath[] = ":/icons/vornratingcalc.png";
inline constexpr char kRatingPicturePath[] = ":/pictures/rating.jpg";
inline constexpr char kAboutPicturePath[] = ":/pictures/about.jpg";

} // namespace vrc::resources
