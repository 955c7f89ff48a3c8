program Quadr;
{ Квадратное уравнение a*x^2 + b*x + c = 0.
  Число корней зависит от знака дискриминанта D = b^2 - 4ac. }
var
  a, b, c, d: real;
begin
  writeln('Квадратное уравнение a*x^2 + b*x + c = 0');
  write('Введите коэффициенты a, b, c: ');
  readln(a, b, c);
  if a = 0 then
  begin
    { уравнение не квадратное: b*x + c = 0 }
    if b <> 0 then writeln('Линейное уравнение, x = ', -c / b:0:4)
    else if c = 0 then writeln('Любое x - решение')
    else writeln('Решений нет')
  end
  else
  begin
    d := b * b - 4 * a * c;
    if d < 0 then writeln('D < 0, действительных корней нет')
    else if d = 0 then writeln('D = 0, один корень x = ', -b / (2 * a):0:4)
    else
    begin
      writeln('x1 = ', (-b - sqrt(d)) / (2 * a):0:4);
      writeln('x2 = ', (-b + sqrt(d)) / (2 * a):0:4)
    end
  end;
  write('Нажмите Enter...');
  readln
end.
