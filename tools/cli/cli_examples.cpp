#include "cli_examples.h"

#include "cli_environment.h"

namespace vexilor {

std::string CliExamples() {
  return std::string("  # the files of data/examples are installed in ") + kInstalledExamples + "\n" +
         "  # СК-42 degrees to WGS-84 UTM, geodetic heights, the results on the terminal\n"
         "  vexilor-cli --from CK42 --from-type BLH --from-units 2 --to WGS84 --to-type xyH \\\n"
         "              --to-proj utm --heights geodetic data/examples/ck42-degrees.in -\n"
         "  # СК-42 d m s to СК-95 with normal heights and the quasi-geoid column\n"
         "  vexilor-cli --from CK42 --from-type BLH --to CK95 --to-type BLH --geoid-column \\\n"
         "              data/examples/ck42-dms.in -\n"
         "  # СК-42 d m to WGS-84 d m\n"
         "  vexilor-cli --from CK42 --from-type BLH --from-units 1 --to WGS84 --to-type BLH \\\n"
         "              --to-units 1 --heights geodetic data/examples/ck42-dm.in -\n"
         "  # WGS-84 radians to СК-42 Gauss-Krüger, normal heights\n"
         "  vexilor-cli --from WGS84 --from-type BLH --from-units 3 --to CK42 --to-type xyH \\\n"
         "              --to-proj gk data/examples/wgs84-radians.in -\n"
         "  # СК-95 Gauss-Krüger to ПЗ-90 geocentric, in kilometres\n"
         "  vexilor-cli --from CK95 --from-type xyH --from-proj gk --to PZ90 --to-type XYZ \\\n"
         "              --to-units 1 data/examples/ck95-gk.in -\n"
         "  # ПЗ-90 geocentric in kilometres to WGS-84 degrees, heights in kilometres\n"
         "  vexilor-cli --from PZ90 --from-type XYZ --from-units 1 --to WGS84 --to-type BLH \\\n"
         "              --to-units 2,1 data/examples/pz90-xyz-km.in -\n"
         "  # WGS-84 geocentric to СК-42 Gauss-Krüger, every point in zone 7\n"
         "  vexilor-cli --from WGS84 --from-type XYZ --to CK42 --to-type xyH --to-proj gk \\\n"
         "              --zone 7 data/examples/wgs84-xyz.in -\n"
         "  # WGS-84 UTM in kilometres to СК-42 d m s\n"
         "  vexilor-cli --from WGS84 --from-type xyH --from-units 1 --from-proj utm --to CK42 \\\n"
         "              --to-type BLH --heights geodetic data/examples/wgs84-utm-km.in -\n"
         "  # standard input to standard output\n"
         "  vexilor-cli --from CK42 --from-type BLH --from-units 2 --to CK95 --to-type BLH \\\n"
         "              --to-units 2 --heights geodetic - - < data/examples/ck42-degrees.in\n"
         "  # into a results file\n"
         "  vexilor-cli --from CK42 --from-type BLH --to WGS84 --to-type XYZ \\\n"
         "              data/examples/ck42-dms.in wgs84.out\n";
}

}  // namespace vexilor
