// Pied à coulisse numérique: the board's side.
//
// Samples analog input A0 and prints one converter count (0 to 1023) per line
// at 9600 baud, twenty lines a second.
//
// Wiring: the potentiometer's two ends to 5V and GND, its wiper (the slide)
// to A0. At 0 cm the wiper sits at the GND end.
//
// On the computer: ORPHY_SOURCE=serial:/dev/ttyACM0 ./run.sh
// (a board on a USB-serial adapter shows up as /dev/ttyUSB0).

const unsigned long kPeriodMs = 50;

void setup() {
  Serial.begin(9600);
}

void loop() {
  static unsigned long last = 0;
  const unsigned long now = millis();
  if (now - last >= kPeriodMs) {
    last = now;
    Serial.println(analogRead(A0));
  }
}
