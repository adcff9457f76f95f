# Placeholder until the font table generator lands.
BEGIN { print "// empty" }
