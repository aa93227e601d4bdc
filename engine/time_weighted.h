#pragma once

namespace brevanta {

enum class ReturnForm { Percent, Ratio };

// Modified Dietz return of one period, every flow weighted 0.5 whatever its day:
// (EMV - 0.5 SOC) / (BMV + 0.5 SOC). A zero denominator means no return: 0 percent,
// ratio 1.
double SubPeriodReturn(double bmv, double emv, double soc, ReturnForm form);

// x^e that keeps the sign of x: -((-x)^e) for a negative x.
double SignedPower(double x, double exponent);

// (P - 1) x 100: a linked product as a cumulative percent.
double CumulativePercent(double product);

// (P^exponent - 1) x 100, the power taken sign-preserving.
double AnnualisedPercent(double product, double exponent);

}  // namespace brevanta
