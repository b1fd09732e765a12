# The program's identity, written once: a new version is a change to HCN_VERSION alone. Code,
# tests, scripts and packaging read it from the generated identity/Identity.h and
# identity/identity.sh in the build folder. Read before project(), by both of our builds.
set(HCN_VERSION 1.25)
set(HCN_PRODUCT_NAME "Halden Corvane Numerology")
set(HCN_WINDOW_TITLE "${HCN_PRODUCT_NAME} v${HCN_VERSION}")
set(HCN_PROGRAM halden-corvane-numerology) # the executable, settings file and lock
set(HCN_APP_ID example.haldencorvane.Numerology) # reverse-DNS id of menu entry and icons
