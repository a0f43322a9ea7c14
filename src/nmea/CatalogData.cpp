// The sentences the device understands, in device order, with the fields of the offered ones.
#include "nmea/CatalogData.h"

namespace birch {

static const TFieldSentence kFields1[] = {
    {"hour [decimal]", 1},
    {"minutes [decimal]", 1},
    {"seconds [decimal]", 1},
    {"decimal-fraction of seconds [decimal]", 2},
    {"day [decimal]", 1},
    {"month [decimal]", 1},
    {"year [decimal]", 2},
    {"local zone hours [decimal +/-]", 1},
    {"local zone minutes [decimal]", 1},
};
static const TFieldSentence kFields4[] = {
    {"Water depth, feet, Number [floating point]", 4},    {"Water depth, feet, Unit [character]", 1},
    {"Water depth, meters, Number [floating point]", 4},  {"Water depth, meters, Unit [character]", 1},
    {"Water depth, Fathoms, Number [floating point]", 4}, {"Water depth, Fathoms, Unit [character]", 1},
};
static const TFieldSentence kFields5[] = {
    {"Water depth relative to transducer, meters [floating point]", 4},
    {"Offset from transducer [floating point]", 4},
    {"Maximum range scale in use [floating point]", 4},
};
static const TFieldSentence kFields7[] = {
    {"UTC of position, Hours [decimal]", 1},
    {"UTC of position, Minutes  [decimal]", 1},
    {"UTC of position, Seconds  [decimal]", 1},
    {"UTC of position, decimal-fraction of seconds [decimal]", 2},
    {"Latitude, Degrees [decimal]", 1},
    {"Latitude, Direction [character]", 1},
    {"Latitude, Minutes [floating point]", 4},
    {"Longitude, Degrees [decimal]", 1},
    {"Longitude, Direction [character]", 1},
    {"Longitude, Minutes [floating point]", 4},
    {"GPS Quality indicator [decimal]", 1},
    {"Number of satellites in use [decimal]", 1},
    {"Horizontal dilution of precision [floating point]", 4},
    {"Altitude re: mean-sea-level (geoid), Number [floating point]", 4},
    {"Altitude re: mean-sea-level (geoid), Unit [character]", 1},
    {"Geoidal separation, Number [floating point]", 4},
    {"Geoidal separation, Unit [character]", 1},
    {"Age of Differential GPS data [floating point]", 4},
    {"Differential reference station ID [decimal]", 2},
};
static const TFieldSentence kFields8[] = {
    {"Latitude, Minutes [floating point]", 4},
    {"Latitude, Degrees [decimal]", 1},
    {"Latitude, Direction [character]", 1},
    {"Longitude, Minutes [floating point]", 4},
    {"Longitude, Degrees [decimal]", 1},
    {"Longitude, Direction [character]", 1},
    {"UTC of position, Hours [decimal]", 1},
    {"UTC of position, Minutes [decimal]", 1},
    {"UTC of position, Seconds [decimal]", 1},
    {"UTC of position, Decimal-fraction of seconds [decimal]", 2},
    {"Status [character]", 1},
    {"Mode Indicator [character]", 1},
};
static const TFieldSentence kFields9[] = {
    {"Mode [character]", 1},
    {"Mode_1 [character]", 1},
    {"ID number of satellite 1 used in solution [decimal]", 1},
    {"ID number of satellite 2 used in solution [decimal]", 1},
    {"ID number of satellite 3 used in solution [decimal]", 1},
    {"ID number of satellite 4 used in solution [decimal]", 1},
    {"ID number of satellite 5 used in solution [decimal]", 1},
    {"ID number of satellite 6 used in solution [decimal]", 1},
    {"ID number of satellite 7 used in solution [decimal]", 1},
    {"ID number of satellite 8 used in solution [decimal]", 1},
    {"ID number of satellite 9 used in solution [decimal]", 1},
    {"ID number of satellite 10 used in solution [decimal]", 1},
    {"ID number of satellite 11 used in solution [decimal]", 1},
    {"ID number of satellite 12 used in solution [decimal]", 1},
    {"PDOP [floating point]", 4},
    {"HDOP [floating point]", 4},
    {"VDOP  [floating point]", 4},
    {"GNSS System ID [decimal]", 1},
};
static const TFieldSentence kFields10[] = {
    {"Total number of sentences [decimal]", 1},
    {"Sentence number [decimal]", 1},
    {"Total number of satellites in view [decimal]", 1},
    {"Satellite ID number [decimal]", 1},
    {"Elevation, degrees, 90o maximum [decimal]", 1},
    {"Azimuth, degrees True, 000 to 359 [decimal]", 2},
    {"SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]", 1},
    {"Signal ID [decimal]", 1},
};
static const TFieldSentence kFields11[] = {
    {"Magnetic sensor heading, degrees [floating point]", 4},
    {"Magnetic deviation, degrees,Number [floating point]", 4},
    {"Magnetic deviation, degrees, Unit [character]", 1},
    {"Magnetic variation, degrees, Number [floating point]", 4},
    {"Magnetic variation, degrees, Unit [character]", 1},
};
static const TFieldSentence kFields13[] = {
    {"Heading, degrees True, Number [floating point]", 4},
    {"Heading, degrees True [character]", 1},
};
static const TFieldSentence kFields15[] = {
    {"Barometric pressure, inches of mercury, Number [floating point]", 4},
    {"Barometric pressure, inches of mercury, Unit [character]", 1},
    {"Barometric pressure, bars, Number [floating point]", 4},
    {"Barometric pressure, bars, Unit [character]", 1},
    {"Air temperature, degrees C, Number [floating point]", 4},
    {"Air temperature, degrees C, Unit [character]", 1},
    {"Water temperature, degrees C, Number [floating point]", 4},
    {"Water temperature, degrees C, Unit [character]", 1},
    {"Relative humidity, percent [floating point]", 4},
    {"Absolute humidity, percent [floating point]", 4},
    {"Dew point, degrees C, Number [floating point]", 4},
    {"Dew point, degrees C, Unit [character]", 1},
    {"Wind direction, degrees True, Number [floating point]", 4},
    {"Wind direction, degrees True, Unit [character]", 1},
    {"Wind direction, degrees Magnetic, Number [floating point]", 4},
    {"Wind direction, degrees Magnetic, Unit [character]", 1},
    {"Wind speed, knots, Number [floating point]", 4},
    {"Wind speed, knots, Unit [character]", 1},
    {"Wind speed, meters/second, Number [floating point]", 4},
    {"Wind speed, meters/second, Unit [character]", 1},
};
static const TFieldSentence kFields16[] = {
    {"Water temperature, Number [floating point]", 4},
    {"Water temperature, Unit [character]", 1},
};
static const TFieldSentence kFields17[] = {
    {"Wind direction, 0 to 359 degrees True, Number", 4},
    {"Wind direction True, Unit", 1},
    {"Wind direction, 0 to 359 degrees Magnetic, Number", 4},
    {"Wind direction Magnetic, Unit", 1},
    {"Wind speed, knots, Number", 4},
    {"Wind speed, knots, Unit", 1},
    {"Wind speed, meters/second, Number", 4},
    {"Wind speed, meters/second, Unit", 1},
};
static const TFieldSentence kFields18[] = {
    {"wind angle [floating point]", 4},  {"reference [character]", 1}, {"wind speed [floating point]", 4},
    {"wind speed units [character]", 1}, {"status [character]", 1},
};
static const TFieldSentence kFields20[] = {
    {"UTC of position, Hours [decimal]", 1},
    {"UTC of position, Minutes [decimal]", 1},
    {"UTC of position, Seconds [decimal]", 1},
    {"UTC of position, decimal-fraction of seconds [decimal]", 2},
    {"Status [character]", 1},
    {"Latitude, Degrees [decimal]", 1},
    {"Latitude, Direction [character]", 1},
    {"Latitude, Minutes [floating point]", 4},
    {"Longitude, Degrees [decimal]", 1},
    {"Longitude, Direction [character]", 1},
    {"Longitude, Minutes [floating point]", 4},
    {"Speed over ground, knots [floating point]", 4},
    {"Course Over Ground, degrees True [floating point]", 4},
    {"Date, Day [decimal]", 1},
    {"Date, Month [decimal]", 1},
    {"Date, Year [decimal]", 2},
    {"Magnetic variation, degrees, Number [floating point]", 4},
    {"Magnetic variation, degrees, Unit [character]", 1},
    {"Mode Indicator [character]", 1},
    {"Navigational status [character]", 1},
};
static const TFieldSentence kFields21[] = {
    {"Rate of turn, degrees/minute, Number [floating point]", 4},
    {"Status [character]", 1},
};
static const TFieldSentence kFields23[] = {
    {"Starboard (or single) rudder sensor, Number [floating point]", 4},
    {"Starboard (or single) rudder sensor, Status [character]", 1},
    {"Port rudder sensor, Number [floating point]", 4},
    {"Port rudder sensor, Status [character]", 1},
};
static const TFieldSentence kFields24[] = {
    {"Longitudinal water speed, knots, Number [floating point]", 4},
    {"Transverse water speed, knots, Number [floating point]", 4},
    {"Water speed, Status [character]", 1},
    {"Longitudinal ground speed, knots, Number [floating point]", 4},
    {"Transverse ground speed, knots, Number [floating point]", 4},
    {"Ground speed, Status [character]", 1},
    {"Stern transverse water speed, Number [floating point]", 4},
    {"Stern water speed, Status [character]", 1},
    {"Stern transverse ground speed, Number [floating point]", 4},
    {"Stern ground speed, Status [character]", 1},
};
static const TFieldSentence kFields28[] = {
    {"Degress True, Number [floating point]", 4},
    {"Degress True, Unit [character]", 1},
    {"Degrees, Number [floating point]", 4},
    {"Degrees, Unit [character]", 1},
    {"Knots (speed of vessel relative to the water), Number [floating point]", 4},
    {"Knots (speed of vessel relative to the water), Unit [character]", 1},
    {"Kilometers (speed of vessel relative to the water), Number [floating point]", 4},
    {"Kilometers (speed of vessel relative to the water), Unit [character]", 1},
};
static const TFieldSentence kFields30[] = {
    {"Course over ground, degrees True, Number [floating point]", 4},
    {"Course over ground, degrees True, Unit [character]", 1},
    {"Course over ground, degrees Magnetic, Number [floating point]", 4},
    {"Course over ground, degrees Magnetic, Unit [character]", 1},
    {"Speed over ground, knots, Number [floating point]", 4},
    {"Speed over ground, knots, Unit [character]", 1},
    {"Speed over ground, km/hr, Number [floating point]", 4},
    {"Speed over ground, km/hr, Unit [character]", 1},
    {"Mode Indicator [character]", 1},
};
static const TFieldSentence kFields31[] = {
    {"Wind_Angle, Measured wind angle relative to the vessel, 0 to 180o, Number [floating point]", 4},
    {"Wind_Angle, left/right L/R of vessel heading, Unit [character]", 1},
    {"Wind speed, knots, Number [floating point]", 4},
    {"Wind speed, knots, Unit [character]", 1},
    {"Wind speed, meters/second, Number [floating point]", 4},
    {"Wind speed, meters/second, Unit [character]", 1},
    {"Wind speed, Km/h, Number [floating point]", 4},
    {"Wind speed, Km/h, Unit [character]", 1},
};
static const TFieldSentence kFields32[] = {
    {"status 1 [character]", 1},
    {"status 2 [character]", 1},
    {"Magnitude of Cross-Track-Error [floating point]", 4},
    {"direction to steer, L/R [character]", 1},
    {"units [character]", 1},
    {"mode Indicator [character]", 1},
};
static const TFieldSentence kFields33[] = {
    {"Heading, degrees True, Number [floating point]", 4},
    {"Heading, degrees True [character]", 1},
};
static const TFieldSentence kFields34[] = {
    {"Transducer type [character]", 1},
    {"Measurement data [floating point]", 4},
    {"Units of measure [character]", 1},
    {"Transducer ID [character string] (20 characters)", 20},
};
static const TFieldSentence kFields35[] = {
    {"Alarm [character]", 1},
};
static const TFieldSentence kFields36[] = {
    {"Depth, feet, Number [floating point]", 4},    {"Depth, feet, Unit [character]", 1},
    {"Depth, meters, Number [floating point]", 4},  {"Depth, meters, Unit [character]", 1},
    {"Depth, Fathoms, Number [floating point]", 4}, {"Depth, Fathoms, Unit [character]", 1},
};
static const TFieldSentence kFields37[] = {
    {"Depth, feet, Number [floating point]", 4},    {"Depth, feet, Unit [character]", 1},
    {"Depth, meters, Number [floating point]", 4},  {"Depth, meters, Unit [character]", 1},
    {"Depth, Fathoms, Number [floating point]", 4}, {"Depth, Fathoms, Unit [character]", 1},
};
static const TFieldSentence kFields38[] = {
    {"Local datum code [string of 3 characters]", 3},  {"Local datum subdivision code [character]", 1},
    {"Latitude offset, Minutes [floating point]", 4},  {"Latitude, Direction [character]", 1},
    {"Longitude offset, Minutes [floating point]", 4}, {"Longitude, Direction [character]", 1},
    {"Altitude offset, Meters [floating point]", 4},   {"Reference datum code [string of 3 characters]", 3},
};
static const TFieldSentence kFields39[] = {
    {"Calculated wind angle relative to the vessel, 0 to 180°, Number [floating point]", 4},
    {"Calculated left/right L/R of vessel heading, Unit [character]", 1},
    {"Calculated wind speed, knots, Number [floating point]", 4},
    {"Calculated wind speed, knots, Unit [character]", 1},
    {"Calculated wind speed, meters/second, Number [floating point]", 4},
    {"Calculated wind speed, meters/second, Unit [character]", 1},
    {"Calculated wind speed, Km/h, Number [floating point]", 4},
    {"Calculated wind speed, Km/h, Unit [character]", 1},
};
static const TFieldSentence kFields40[] = {
    {"Feedback angle, Number [floating point]", 4},
    {"Command angle, Number [floating point]", 4},
    {"Directional solenoid current, Number [floating point]", 4},
    {"Speed solenoid status, Status [character]", 1},
    {"Helm bypass solenoid status, Status [character]", 1},
    {"Helm limit solenoid status, Status [character]", 1},
};
static const TFieldSentence kFields41[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields42[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields43[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields44[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields45[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields46[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields47[] = {
    {"Alarm, Value [decimal]", 1},
};
static const TFieldSentence kFields48[] = {
    {"Position command, Number [decimal]", 2},
    {"RPM command (lever), Number [decimal]", 1},
    {"Throttle direction command, Number [decimal]", 1},
    {"Throttle state, Number [decimal]", 1},
    {"Number, Number [decimal]", 1},
    {"RPM output (diesel), Number [decimal]", 1},
    {"RPM output (electric), Number [decimal]", 1},
    {"LOAD output (electric), Number [decimal]", 1},
};
static const TFieldSentence kFields49[] = {
    {"Control type, Number [decimal]", 1},
    {"Throttle control position, Number [decimal]", 1},
    {"Azimuth control position, Number [decimal]", 1},
};
static const TFieldSentence kFields50[] = {
    {"Position feedback, Number [decimal]", 2},
    {"RPM feedback Engine, Number [decimal]", 2},
    {"RPM feedback Shaft, Number [decimal]", 2},
    {"Engine coolant temp, Number [decimal]", 1},
    {"Engine oil Pressure, Number [floating point]", 4},
    {"Engine load, Number [decimal]", 1},
    {"Electric load, Number [decimal]", 1},
    {"General alarm, Value [decimal]", 1},
    {"Engine alarm, Value [decimal]", 1},
    {"Alarm buzzer, Value [decimal]", 1},
    {"Throttle direction feedback, Value [decimal]", 1},
};
static const TFieldSentence kFields51[] = {
    {"Steering oil pressure, Number [floating point]", 4},
    {"Clutch oil pressure, Number [floating point]", 4},
    {"Gearbox lub oil pressure, Number [floating point]", 4},
    {"Steering oil temperature 1, Number [floating point]", 4},
    {"Steering oil temperature 2, Number [floating point]", 4},
    {"Gearbox lub oil temperature, Number [floating point]", 4},
    {"Primary voltage, Number [floating point]", 4},
    {"Secondary voltage, Value [floating point]", 4},
};
static const TFieldSentence kFields52[] = {
    {"Speed, rev/min, Number [floating point]", 4},
    {"Torque, kNm, Number [decimal]", 2},
    {"Thrust, kNm, Number [decimal]", 2},
    {"Power, kW, Number [decimal]", 4},
};

const std::array<CatalogEntry, kSentenceCount> kCatalogData = {{
    {"ZDA", true, kFields1},     {"BWC", false, {}},
    {"BWR", false, {}},          {"DBT", true, kFields4},
    {"DPT", true, kFields5},     {"DSC", false, {}},
    {"GGA", true, kFields7},     {"GLL", true, kFields8},
    {"GSA", true, kFields9},     {"GSV", true, kFields10},
    {"HDG", true, kFields11},    {"HDM", false, {}},
    {"HDT", true, kFields13},    {"HSC", false, {}},
    {"MDA", true, kFields15},    {"MTW", true, kFields16},
    {"MWD", true, kFields17},    {"MWV", true, kFields18},
    {"RMB", false, {}},          {"RMC", true, kFields20},
    {"ROT", true, kFields21},    {"RPM", false, {}},
    {"RSA", true, kFields23},    {"VBW", true, kFields24},
    {"VDM", false, {}},          {"VDO", false, {}},
    {"VDR", false, {}},          {"VHW", true, kFields28},
    {"VLW", false, {}},          {"VTG", true, kFields30},
    {"VWR", true, kFields31},    {"XTE", true, kFields32},
    {"THS", true, kFields33},    {"XDR", true, kFields34},
    {"$PJELA", true, kFields35}, {"DBK", true, kFields36},
    {"DBS", true, kFields37},    {"DTM", true, kFields38},
    {"VWT", true, kFields39},    {"$PJELC", true, kFields40},
    {"$VTHA0", true, kFields41}, {"$VTHA1", true, kFields42},
    {"$VTHA2", true, kFields43}, {"$VTHA3", true, kFields44},
    {"$VTHA4", true, kFields45}, {"$VTHA5", true, kFields46},
    {"$VTHS0", true, kFields47}, {"$VTHC0", true, kFields48},
    {"$VTHC1", true, kFields49}, {"$VTHF0", true, kFields50},
    {"$VTHF1", true, kFields51}, {"$PSTKTSX5", true, kFields52},
}};

} // namespace birch
